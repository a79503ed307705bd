#include "grid/numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QLatin1StringView>

namespace numbertext {

std::optional<double> parse(QStringView text, QChar decimalSeparator)
{
    // Rebuilt in the C locale's form for strtod, so the user's separator is
    // the only one accepted.
    std::string plain;
    plain.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };

    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        plain += char(text[i++].unicode());
    bool mantissa = false;
    while (isDigit(i)) {
        plain += char(text[i++].unicode());
        mantissa = true;
    }
    if (i < n && text[i] == decimalSeparator) {
        ++i;
        mantissa = true;
        plain += '.';
        while (isDigit(i))
            plain += char(text[i++].unicode());
    }
    if (!mantissa)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        plain += 'e';
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            plain += char(text[i++].unicode());
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            plain += char(text[i++].unicode());
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // strtod reads "." or "-." as nothing; those stand for zero here.
    if (plain.find_first_of("0123456789") == std::string::npos)
        return plain.front() == '-' ? -0.0 : 0.0;
    const double value = std::strtod(plain.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

QString format(double value, QChar decimalSeparator)
{
    // Only parse() feeds the cells, and it refuses infinities.
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");

    // Round to 15 significant digits once; both layouts start from these.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const QLatin1StringView s(buf);
    const bool negative = s.front() == '-';
    const qsizetype lead = negative ? 1 : 0;
    const qsizetype ePos = s.indexOf(QLatin1Char('e'));
    QString digits = s.sliced(lead, 1) + s.sliced(lead + 2, ePos - lead - 2);
    const int exponent = std::atoi(buf + ePos + 1);
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1)
            out += decimalSeparator + digits.sliced(1);
        out += u'E' + QString::number(exponent);
    } else if (exponent < 0) {
        out += u'0' + QString(decimalSeparator) + QString(-exponent - 1, u'0') + digits;
    } else {
        const qsizetype whole = exponent + 1;
        if (digits.size() <= whole)
            out += digits + QString(whole - digits.size(), u'0');
        else
            out += digits.first(whole) + decimalSeparator + digits.sliced(whole);
    }
    return out;
}

} // namespace numbertext
