#pragma once

#include <QString>

#include <exception>

// A grid write that the cell's kind refuses, such as a non-numeric text set
// into a number cell. It leaves the handler that caused it and is shown in
// the window's error box.
class GridError : public std::exception
{
public:
    explicit GridError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
