#include "feeds/tagscanner.h"

#include <QtEndian>
#include <QtAlgorithms>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>

namespace {

// Up to eight bytes of a name as one number, so that names compare at once.
quint64 packed(const char *name, qsizetype length)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < length; ++i)
        key = key << 8 | static_cast<unsigned char>(name[i]);
    return key;
}

constexpr quint64 kEvery = 0x0101010101010101; // times a byte: that byte eight times

// The high bit of each zero byte of word set, and no bit below the lowest
// zero byte: its place is exact, the places above it may not be.
quint64 zeroBytes(quint64 word)
{
    return (word - kEvery) & ~word & (kEvery << 7);
}

} // namespace

TagScanner::TagScanner(QByteArrayView text, const std::vector<QByteArrayView> &names)
    : m_text(text)
    , m_opens(names.size())
    , m_closes(names.size())
    , m_lastClose(names.size())
{
    for (const QByteArrayView name : names) {
        m_names.push_back(name.toByteArray());
        m_longestName = std::max(m_longestName, name.size());
    }
    Q_ASSERT(m_longestName <= 8);
    m_byLength.resize(std::size_t(m_longestName) + 1);
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        m_byLength[std::size_t(m_names[i].size())].push_back(int(i));
        m_keys.push_back(packed(m_names[i].constData(), m_names[i].size()));
    }
}

int TagScanner::nameOf(quint64 key, qsizetype length) const
{
    for (const int i : m_byLength[std::size_t(length)]) {
        if (m_keys[std::size_t(i)] == key)
            return i;
    }
    return -1;
}

void TagScanner::fileName(quint64 key, qsizetype length, bool close, qsizetype lt)
{
    const int name = nameOf(key, length);
    if (name >= 0)
        (close ? m_closes : m_opens)[std::size_t(name)].at.push_back(lt);
}

void TagScanner::fileTagAt(qsizetype lt)
{
    const qsizetype size = m_text.size();
    const char *data = m_text.data();
    const bool close = lt + 1 < size && data[lt + 1] == '/';
    const qsizetype nameBegin = lt + (close ? 2 : 1);
    // The name runs to the first ">"; a "<" before it starts another tag.
    if (nameBegin + 8 <= size) {
        // Eight bytes at once: the first ">" or "<" among them ends the name.
        const auto word = qFromLittleEndian<quint64>(data + nameBegin); // the first byte lowest
        const quint64 ends = zeroBytes(word ^ kEvery * '>') | zeroBytes(word ^ kEvery * '<');
        if (ends == 0) {
            // A name of eight bytes, if the ninth is its ">".
            if (m_longestName == 8 && nameBegin + 8 < size && data[nameBegin + 8] == '>')
                fileName(qFromBigEndian<quint64>(data + nameBegin), 8, close, lt);
            return;
        }
        const int length = qCountTrailingZeroBits(ends) / 8;
        if (data[nameBegin + length] == '<' || length == 0 || length > m_longestName)
            return;
        fileName(qFromBigEndian<quint64>(data + nameBegin) >> (64 - 8 * length), length, close, lt);
        return;
    }
    const qsizetype limit = std::min(size, nameBegin + m_longestName + 1);
    quint64 key = 0;
    for (qsizetype i = nameBegin; i < limit; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c == '>') {
            fileName(key, i - nameBegin, close, lt);
            return;
        }
        if (c == '<')
            return;
        key = key << 8 | c;
    }
}

bool TagScanner::scanMore()
{
    const qsizetype size = m_text.size();
    if (m_scanned >= size)
        return false;
    // A stretch at a time: far enough to make few calls, near enough that
    // a query waits for little more text than it needs.
    constexpr qsizetype kStretch = 4096;
    const char *data = m_text.data();
    const qsizetype stop = std::min(size, m_scanned + kStretch);
    qsizetype at = m_scanned;
    while (at < stop) {
        const void *found = std::memchr(data + at, '<', std::size_t(stop - at));
        if (!found)
            break;
        const qsizetype lt = static_cast<const char *>(found) - data;
        fileTagAt(lt);
        at = lt + 1;
    }
    m_scanned = stop;
    return true;
}

qsizetype TagScanner::advance(Positions &positions, qsizetype from, qsizetype limit)
{
    for (;;) {
        while (positions.head < positions.at.size() && positions.at[positions.head] < from)
            ++positions.head;
        if (positions.head < positions.at.size())
            break;
        if (m_scanned >= limit || !scanMore())
            return -1;
    }
    // Drop what no later query can ask for, once it is most of the list.
    if (positions.head > 1024 && positions.head * 2 > positions.at.size()) {
        positions.at.erase(positions.at.begin(), positions.at.begin() + std::ptrdiff_t(positions.head));
        positions.head = 0;
    }
    return positions.at[positions.head];
}

bool TagScanner::closesAtOrAfter(int name, qsizetype from)
{
    std::optional<qsizetype> &last = m_lastClose[std::size_t(name)];
    if (!last) {
        // Searched for from the end of the text, where a feed's last close
        // tag stands, rather than scanned for from the front.
        const QByteArray tag = "</" + m_names[std::size_t(name)] + '>';
        using Back = std::reverse_iterator<const char *>;
        const Back first(m_text.data() + m_text.size());
        const Back stop(m_text.data());
        const Back found =
            std::search(first, stop, std::boyer_moore_horspool_searcher(Back(tag.cend()), Back(tag.cbegin())));
        last = found == stop ? -1 : found.base() - m_text.data() - tag.size();
    }
    return *last >= from;
}
