#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The feed's bytes from a file, or from standard input for "" or "-".
// Nothing, and error set, when it can't be read.
std::optional<QByteArray> readFeedFile(const QString &path, QString &error);
