#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <limits>
#include <optional>
#include <vector>

// ExtractTag for a fixed set of names over a series of windows of one text,
// as the loader takes match after match. One pass looks at each "<" of the
// text once and files the open and close tags of the names it knows by
// position; every query then reads its name's list. So a load stays linear
// in the feed's size even when matches overlap or their close tags are
// missing, and the text is scanned once for all names together.
class TagScanner final
{
public:
    // text must outlive the scanner. A name is referred to by its index in
    // names; names are at most eight bytes long.
    TagScanner(QByteArrayView text, const std::vector<QByteArrayView> &names);

    // The queries are inline: a load makes a dozen for every match.

    // Position of the first open tag of the name at or after from; -1 when
    // there is none. from must not be less than at the previous query for
    // the same name (openAt or find).
    qsizetype openAt(int name, qsizetype from) { return next(m_opens[std::size_t(name)], from); }

    // What ExtractTag would find in text[begin, end), as a view of text; a
    // null view on a miss (an empty value is a view into text, not null).
    // A plain view comes back in registers, where an optional one would go
    // through memory and stall the caller's reads. Same order rule for begin
    // as openAt.
    QByteArrayView find(int name, qsizetype begin, qsizetype end)
    {
        const qsizetype open = openAt(name, begin);
        const qsizetype length = m_names[std::size_t(name)].size();
        const qsizetype contentBegin = open + length + 2;
        // The first open tag past the window's end means none lies inside it.
        if (open < 0 || contentBegin > end)
            return {};
        const qsizetype close = next(m_closes[std::size_t(name)], contentBegin);
        if (close < 0 || close + length + 3 > end)
            return {};
        return m_text.sliced(contentBegin, close - contentBegin);
    }

    // find() up to the first close tag of endName at or after begin, which
    // must exist (closesAtOrAfter). That close tag is looked for only as far
    // as the value found reaches, so one far off (matches opened inside one
    // another) does not have all the text up to it filed at once. Same order
    // rule for begin; endName is not name.
    QByteArrayView findBefore(int name, qsizetype begin, int endName)
    {
        const QByteArrayView value = find(name, begin, m_text.size());
        if (value.isNull())
            return {};
        // Where the value's close tag ends; the end must not come before.
        const qsizetype reach =
            value.data() - m_text.data() + value.size() + m_names[std::size_t(name)].size() + 3;
        const qsizetype end = next(m_closes[std::size_t(endName)], begin, reach);
        if (end >= 0 && end < reach)
            return {};
        return value;
    }

    // Position of the first close tag of the name at or after from if the
    // text scanned so far holds it; -1 otherwise. Same order rule as openAt.
    qsizetype closeSeenAt(int name, qsizetype from) { return next(m_closes[std::size_t(name)], from, from); }

    // Whether a close tag of the name stands at or after from; any order.
    bool closesAtOrAfter(int name, qsizetype from);

private:
    // Tag positions of one kind of one name, in text order; those before
    // the last query's start are dropped as the queries move on.
    struct Positions
    {
        std::vector<qsizetype> at;
        std::size_t head = 0;
    };

    // The first position at or after from; -1 when there is none, or none
    // among the tags before limit. The positions before the head are less
    // than an earlier query's from, so a head at or after from is the answer,
    // and with none left, a scan past limit has found nothing before it.
    qsizetype next(Positions &positions, qsizetype from,
                   qsizetype limit = std::numeric_limits<qsizetype>::max())
    {
        if (positions.head < positions.at.size()) {
            if (positions.at[positions.head] >= from)
                return positions.at[positions.head];
        } else if (m_scanned >= limit) {
            return -1;
        }
        return advance(positions, from, limit);
    }
    // next() when the head lies before from: moves it on, scanning as needed.
    qsizetype advance(Positions &positions, qsizetype from, qsizetype limit);
    // Files the tags of the next stretch of text; false at its end.
    bool scanMore();
    // Files the tag whose "<" stands at lt, if it is one of the names.
    void fileTagAt(qsizetype lt);
    // Files a tag at lt whose name, of that length, is packed into key.
    void fileName(quint64 key, qsizetype length, bool close, qsizetype lt);
    // The index of the name of that length packed into key, or -1.
    int nameOf(quint64 key, qsizetype length) const;

    QByteArrayView m_text;
    std::vector<QByteArray> m_names;
    std::vector<std::vector<int>> m_byLength; // indices of the names of each length
    std::vector<quint64> m_keys;              // each name packed into a number
    std::vector<Positions> m_opens;
    std::vector<Positions> m_closes;
    std::vector<std::optional<qsizetype>> m_lastClose; // per name, once looked for
    qsizetype m_longestName = 0;
    qsizetype m_scanned = 0; // every "<" before this is filed
};
