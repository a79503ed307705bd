#include "grid/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <string>

namespace numbertext {

namespace {

template<typename Char>
bool isDigit(Char c)
{
    return c >= Char('0') && c <= Char('9');
}

// Validates text and converts the accepted pieces with std::from_chars, which
// reads only "." and never consults the locale.
template<typename Char, typename Separator>
std::optional<double> parseText(const Char *p, const Char *end, Separator separator)
{
    while (p != end && *p == Char(' '))
        ++p;
    bool negative = false;
    if (p != end && (*p == Char('+') || *p == Char('-')))
        negative = *p++ == Char('-');

    const Char *wholeBegin = p;
    while (p != end && isDigit(*p))
        ++p;
    const Char *wholeEnd = p;
    const Char *fractionBegin = p;
    const Char *fractionEnd = p;
    bool hasSeparator = false;
    if (p != end && *p == separator) {
        hasSeparator = true;
        fractionBegin = ++p;
        while (p != end && isDigit(*p))
            ++p;
        fractionEnd = p;
    }
    if (wholeBegin == wholeEnd && !hasSeparator)
        return std::nullopt;
    const Char *exponentBegin = p;
    if (p != end && (*p == Char('e') || *p == Char('E'))) {
        ++p;
        if (p != end && (*p == Char('+') || *p == Char('-')))
            ++p;
        if (p == end || !isDigit(*p))
            return std::nullopt;
        while (p != end && isDigit(*p))
            ++p;
    }
    const Char *exponentEnd = p;
    while (p != end && *p == Char(' '))
        ++p;
    if (p != end)
        return std::nullopt;

    const double sign = negative ? -1.0 : 1.0;
    // A whole number of up to 15 digits is exact in a double: no conversion
    // routine needed.
    const Char *significant = wholeBegin;
    while (significant != wholeEnd && *significant == Char('0'))
        ++significant;
    if (fractionBegin == fractionEnd && exponentBegin == exponentEnd && wholeEnd - significant <= 15) {
        std::uint64_t value = 0;
        for (const Char *d = significant; d != wholeEnd; ++d)
            value = value * 10 + std::uint64_t(*d - Char('0'));
        return sign * double(value);
    }
    // "." and "-." stand for zero.
    if (wholeBegin == wholeEnd && fractionBegin == fractionEnd)
        return sign * 0.0;

    std::string plain;
    plain.reserve(std::size_t(exponentEnd - wholeBegin) + 2);
    for (const Char *d = wholeBegin; d != wholeEnd; ++d)
        plain += char(*d);
    if (wholeBegin == wholeEnd)
        plain += '0';
    plain += '.';
    for (const Char *d = fractionBegin; d != fractionEnd; ++d)
        plain += char(*d);
    for (const Char *d = exponentBegin; d != exponentEnd; ++d)
        plain += char(*d);

    double value = 0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc())
        return sign * value;
    if (ec != std::errc::result_out_of_range)
        return std::nullopt;
    // Out of range: too large is refused, too small is zero. The magnitude
    // is decided by where the first non-zero digit stands and the exponent.
    std::int64_t magnitude = 0;
    if (significant != wholeEnd) {
        magnitude = wholeEnd - significant;
    } else {
        const Char *d = fractionBegin;
        while (d != fractionEnd && *d == Char('0'))
            ++d;
        magnitude = -(d - fractionBegin);
    }
    if (const std::size_t e = plain.find_first_of("eE"); e != std::string::npos) {
        bool exponentNegative = false;
        std::size_t k = e + 1;
        if (plain[k] == '+' || plain[k] == '-')
            exponentNegative = plain[k++] == '-';
        std::int64_t exponent = 0;
        constexpr std::int64_t kCap = std::int64_t(1) << 40;
        for (; k < plain.size() && exponent < kCap; ++k)
            exponent = exponent * 10 + (plain[k] - '0');
        magnitude += exponentNegative ? -exponent : exponent;
    }
    if (magnitude > 0)
        return std::nullopt;
    return sign * 0.0;
}

} // namespace

std::optional<double> parse(QStringView text, QChar decimalSeparator)
{
    return parseText(text.utf16(), text.utf16() + text.size(), decimalSeparator.unicode());
}

std::optional<double> parse(QByteArrayView text, char decimalSeparator)
{
    // The feed's common case, a short whole number, at once.
    if (!text.isEmpty() && text.size() <= 15) {
        std::uint64_t value = 0;
        bool digits = true;
        for (const char c : text) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + std::uint64_t(c - '0');
        }
        if (digits)
            return double(value);
    }
    // Unsigned, so that no byte outside ASCII passes for a digit or sign.
    const auto *begin = reinterpret_cast<const unsigned char *>(text.data());
    return parseText(begin, begin + text.size(), static_cast<unsigned char>(decimalSeparator));
}

namespace {

// "%.15g" straight from std::to_chars with a precision: right for every
// value, but the slow way there.
int formatRounded(double value, char decimalSeparator, char *out)
{
    char buf[kFormatBufferSize];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    int n = 0;
    for (const char *p = buf; p != result.ptr; ++p) {
        if (*p == '.') {
            out[n++] = decimalSeparator;
        } else if (*p == 'e') {
            // "e+05" becomes "E5", "e-05" "E-5".
            out[n++] = 'E';
            ++p;
            if (*p == '-')
                out[n++] = '-';
            ++p;
            while (p + 1 != result.ptr && *p == '0')
                ++p;
            for (; p != result.ptr; ++p)
                out[n++] = *p;
            break;
        } else {
            out[n++] = *p;
        }
    }
    return n;
}

// Lays out significant digits (no trailing zeros) whose first stands at
// 10^exponent the way "%.15g" does.
int layOut(bool negative, const char *digits, int count, int exponent, char decimalSeparator, char *out)
{
    int n = 0;
    if (negative)
        out[n++] = '-';
    if (exponent < -4 || exponent >= 15) {
        out[n++] = digits[0];
        if (count > 1) {
            out[n++] = decimalSeparator;
            for (int i = 1; i < count; ++i)
                out[n++] = digits[i];
        }
        out[n++] = 'E';
        if (exponent < 0)
            out[n++] = '-';
        return int(std::to_chars(out + n, out + kFormatBufferSize, std::abs(exponent)).ptr - out);
    }
    if (exponent < 0) {
        out[n++] = '0';
        out[n++] = decimalSeparator;
        for (int i = -1; i > exponent; --i)
            out[n++] = '0';
        for (int i = 0; i < count; ++i)
            out[n++] = digits[i];
        return n;
    }
    for (int i = 0; i < std::max(count, exponent + 1); ++i) {
        if (i == exponent + 1)
            out[n++] = decimalSeparator;
        out[n++] = i < count ? digits[i] : '0';
    }
    return n;
}

} // namespace

int format(double value, char decimalSeparator, char *out)
{
    // Only parse() feeds the cells, and it refuses infinities.
    if (value == 0 || !std::isfinite(value)) {
        out[0] = '0';
        return 1;
    }
    // Whole numbers below 10^15, the feed's usual kind, are their digits.
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        return int(std::to_chars(out, out + kFormatBufferSize, std::int64_t(value)).ptr - out);
    // The shortest digits that read back as the value are those of "%.15g"
    // whenever there are at most 15 of them: a normal double tells apart
    // every decimal of 15 significant digits, so rounding it to 15 gives the
    // decimal back. Subnormals carry fewer digits, longer ones are rounded.
    if (std::abs(value) >= std::numeric_limits<double>::min()) {
        char buf[kFormatBufferSize];
        const char *end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
        const char *p = buf;
        const bool negative = *p == '-';
        if (negative)
            ++p;
        char digits[20];
        int count = 0;
        for (; p != end && *p != 'e'; ++p) {
            if (*p != '.' && count < int(sizeof digits))
                digits[count++] = *p;
        }
        if (count <= 15 && p != end) {
            int exponent = 0;
            std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
            return layOut(negative, digits, count, exponent, decimalSeparator, out);
        }
    }
    return formatRounded(value, decimalSeparator, out);
}

QString format(double value, QChar decimalSeparator)
{
    char buf[kFormatBufferSize];
    const int n = format(value, '.', buf);
    QString text = QString::fromLatin1(buf, n);
    if (decimalSeparator != u'.')
        text.replace(u'.', decimalSeparator);
    return text;
}

} // namespace numbertext
