#pragma once

#include <QByteArray>
#include <QByteArrayView>

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
    // names; names are at most eight bytes long. The text is scanned a
    // stretch of bytes at a time, as far as the queries need. A close tag
    // not found within farAfter bytes of the scan is searched for by itself,
    // so that a match whose close tag is far off (or missing) does not have
    // every tag up to it filed at once.
    TagScanner(QByteArrayView text, const std::vector<QByteArrayView> &names, qsizetype stretch = kStretch,
               qsizetype farAfter = kFarAfter);
    // A stretch: far enough to make few calls, near enough that a query
    // waits for little more text than it needs.
    static constexpr qsizetype kStretch = 4096;
    static constexpr qsizetype kFarAfter = 64 * 1024;

    // Position of the first open tag of the name at or after from; -1 when
    // there is none. from must not be less than at the previous query for
    // the same name (openAt or find).
    qsizetype openAt(int name, qsizetype from);

    // What ExtractTag would find in text[begin, end), as a view of text;
    // nothing on a miss. Same order rule for begin as openAt.
    std::optional<QByteArrayView> find(int name, qsizetype begin, qsizetype end);

private:
    // Tag positions of one kind of one name, in text order; those before
    // the last query's start are dropped as the queries move on.
    struct Positions
    {
        std::vector<qsizetype> at;
        std::size_t head = 0;
    };

    // The last search for a far close tag of a name: the first close at or
    // after from stands at at (-1: there is none).
    struct FarClose
    {
        qsizetype from = -1;
        qsizetype at = -1;
    };

    // The first entry at or after from, scanning on while needed and
    // allowed: up to the end of the text, or, given a limit, until
    // m_scanned reaches it. -1 when there is none so far.
    qsizetype next(Positions &positions, qsizetype from, qsizetype limit = -1);
    qsizetype closeAt(int name, qsizetype from);
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
    std::vector<FarClose> m_far;
    std::vector<QByteArray> m_closeTags; // "</NAME>" of each name
    qsizetype m_stretch;
    qsizetype m_farAfter;
    qsizetype m_longestName = 0;
    qsizetype m_scanned = 0; // every "<" before this is filed
};
