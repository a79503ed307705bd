#include "feeds/textorder.h"

#include <algorithm>
#include <cstring>

std::strong_ordering compareText(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    // memcmp compares as unsigned char, whatever char's signedness.
    if (const int c = common > 0 ? std::memcmp(a.data(), b.data(), std::size_t(common)) : 0)
        return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    return a.size() <=> b.size();
}
