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

    // What the save dialog answers: a path (empty: cancelled) and a filter.
    QString savePath;
    QString saveFilter;
    QStringList filtersOffered;
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &filters,
                         QString *selectedFilter) override
    {
        log << u"save dialog"_s;
        filtersOffered = filters.split(u";;"_s);
        if (!saveFilter.isEmpty())
            *selectedFilter = saveFilter;
        return savePath;
    }
};
