#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The text form of a number cell. Neither direction depends on the C
// library's locale: the grid's decimal separator is the only one there is.
namespace numbertext {

// Accepts only: blanks, an optional sign, digits with an optional decimal
// separator and fraction (at least a digit or the separator), an optional
// exponent ("E" or "e", optional sign, at least one digit), blanks.
// Anything else, the empty text and a value beyond the double's range are
// refused; a value too small for it reads as zero.
std::optional<double> parse(QStringView text, QChar decimalSeparator);

// The same on 8-bit text, for a separator within ASCII; a byte outside ASCII
// is never a digit, sign, blank or exponent, so it refuses the text.
std::optional<double> parse(QByteArrayView text, char decimalSeparator);

// General format: up to 15 significant digits, no trailing zeros, no
// thousands separator; scientific ("1.5E-5", "1E20") only for more than 15
// digits before the separator or a non-zero magnitude below 0.0001.
QString format(double value, QChar decimalSeparator);

// format() into out, in ASCII save for the separator's place; returns the
// length written. 32 bytes always suffice.
inline constexpr int kFormatBufferSize = 32;
int format(double value, char decimalSeparator, char *out);

} // namespace numbertext
