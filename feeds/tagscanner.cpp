#include "feeds/tagscanner.h"

#include <cstring>

TagScanner::TagScanner(QByteArrayView text, const std::vector<QByteArrayView> &names)
    : m_text(text)
    , m_opens(names.size())
    , m_closes(names.size())
{
    for (const QByteArrayView name : names) {
        m_names.push_back(name.toByteArray());
        m_longestName = std::max(m_longestName, name.size());
    }
    m_byLength.resize(std::size_t(m_longestName) + 1);
    for (std::size_t i = 0; i < m_names.size(); ++i)
        m_byLength[std::size_t(m_names[i].size())].push_back(int(i));
}

int TagScanner::nameAt(qsizetype begin, qsizetype end) const
{
    const qsizetype length = end - begin;
    if (length > m_longestName)
        return -1;
    const char *name = m_text.data() + begin;
    for (const int i : m_byLength[std::size_t(length)]) {
        if (std::memcmp(m_names[std::size_t(i)].constData(), name, std::size_t(length)) == 0)
            return i;
    }
    return -1;
}

bool TagScanner::scanMore()
{
    const qsizetype size = m_text.size();
    if (m_scanned >= size)
        return false;
    // Files the tags up to a little past the next "<", so that a query
    // waits for no more text than it needs.
    const char *data = m_text.data();
    const void *found = std::memchr(data + m_scanned, '<', std::size_t(size - m_scanned));
    if (!found) {
        m_scanned = size;
        return false;
    }
    const qsizetype lt = static_cast<const char *>(found) - data;
    m_scanned = lt + 1;
    const bool close = lt + 1 < size && data[lt + 1] == '/';
    const qsizetype nameBegin = lt + (close ? 2 : 1);
    // The name runs to the first ">"; a "<" before it starts another tag.
    const qsizetype limit = std::min(size, nameBegin + m_longestName + 1);
    for (qsizetype i = nameBegin; i < limit; ++i) {
        if (data[i] == '>') {
            const int name = nameAt(nameBegin, i);
            if (name >= 0)
                (close ? m_closes : m_opens)[std::size_t(name)].at.push_back(lt);
            break;
        }
        if (data[i] == '<')
            break;
    }
    return true;
}

qsizetype TagScanner::next(Positions &positions, qsizetype from)
{
    for (;;) {
        while (positions.head < positions.at.size() && positions.at[positions.head] < from)
            ++positions.head;
        if (positions.head < positions.at.size())
            break;
        if (!scanMore())
            return -1;
    }
    // Drop what no later query can ask for, once it is most of the list.
    if (positions.head > 1024 && positions.head * 2 > positions.at.size()) {
        positions.at.erase(positions.at.begin(), positions.at.begin() + std::ptrdiff_t(positions.head));
        positions.head = 0;
    }
    return positions.at[positions.head];
}

qsizetype TagScanner::openAt(int name, qsizetype from)
{
    return next(m_opens[std::size_t(name)], from);
}

std::optional<QByteArrayView> TagScanner::find(int name, qsizetype begin, qsizetype end)
{
    const qsizetype open = openAt(name, begin);
    const qsizetype contentBegin = open + m_names[std::size_t(name)].size() + 2;
    // The first open tag past the window's end means none lies inside it.
    if (open < 0 || contentBegin > end)
        return std::nullopt;
    const qsizetype close = next(m_closes[std::size_t(name)], contentBegin);
    if (close < 0 || close + m_names[std::size_t(name)].size() + 3 > end)
        return std::nullopt;
    return m_text.sliced(contentBegin, close - contentBegin);
}
