#pragma once

#include "feeds/httpclient.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The feed's bytes from a file, or from standard input for "" or "-".
// Nothing, and error set, when it can't be read.
std::optional<QByteArray> readFeedFile(const QString &path, QString &error);

// One line naming url and what went wrong with its download; empty when the
// download is complete.
QString downloadProblem(const QUrl &url, const Download &download);
