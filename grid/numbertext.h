#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The text form of a number cell.
namespace numbertext {

// Accepts only: blanks, an optional sign, digits with an optional decimal
// separator and fraction (at least a digit or the separator), an optional
// exponent ("E" or "e", optional sign, at least one digit), blanks.
// Anything else, the empty text and a value out of the double's range
// are refused.
std::optional<double> parse(QStringView text, QChar decimalSeparator);

// General format: up to 15 significant digits, no trailing zeros, no
// thousands separator; scientific ("1.5E-5", "1E20") only for more than 15
// digits before the separator or a non-zero magnitude below 0.0001.
QString format(double value, QChar decimalSeparator);

} // namespace numbertext
