#include "tools/feed/feedinput.h"

#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

std::optional<QByteArray> readFeedFile(const QString &path, QString &error)
{
    QFile file;
    const bool standardInput = path.isEmpty() || path == u"-";
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                      : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    const QString name = standardInput ? u"standard input"_s : path;
    if (!opened) {
        error = u"cannot open %1: %2"_s.arg(name, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = u"cannot read %1: %2"_s.arg(name, file.errorString());
        return std::nullopt;
    }
    return bytes;
}
