#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <exception>

// A grid write that the cell's kind refuses, such as a non-numeric text set
// into a number cell. It leaves the handler that caused it and is shown in
// the window's error box.
class GridError : public std::exception
{
public:
    explicit GridError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    // "'%s' is not a valid floating point value", and the same for an image
    // cell's integer. A value longer than kQuotedValueLength characters is
    // cut there with "…", so a huge feed value makes no huge message.
    static GridError notAFloatingPointValue(QStringView text);
    static GridError notAnInteger(QStringView text);
    static constexpr qsizetype kQuotedValueLength = 200;

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
