#pragma once

#include "app/desktop.h"

#include <QStringList>

using namespace Qt::StringLiterals;

// Records what the window asks of the desktop, in order, and never blocks.
struct FakeDesktop final : Desktop
{
    QStringList log;
    void showError(QWidget *, const QString &message) override { log << u"error: "_s + message; }
    void showMessage(QWidget *, const QString &text) override { log << u"message: "_s + text; }
    void openUrl(const QUrl &url) override { log << u"open: "_s + url.toString(); }
};
