#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1251, the program's 8-bit code page, through our own table:
// Qt's named decoders rely on ICU, which not every Qt build carries.
namespace cp1251 {

// Widens each byte to the character the code page gives it (0x98, which the
// page leaves undefined, becomes U+0098 as Windows does).
QString toUnicode(QByteArrayView bytes);

// Narrows to the code page; a character it lacks becomes its default "?".
QByteArray fromUnicode(QStringView text);

// The text as it comes back through the code page.
QString limit(QStringView text);

} // namespace cp1251
