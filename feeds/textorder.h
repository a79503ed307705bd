#pragma once

#include <QByteArrayView>

#include <compare>

// Feed values compare as 8-bit texts, never as numbers: byte by byte as
// unsigned values, a text that begins another sorts first, the empty text
// lowest. So "9" sorts above "45", and "045" below "45".
std::strong_ordering compareText(QByteArrayView a, QByteArrayView b);
