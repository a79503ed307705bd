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
    // names; names are at most eight bytes long.
    TagScanner(QByteArrayView text, const std::vector<QByteArrayView> &names);

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

    qsizetype next(Positions &positions, qsizetype from);
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
    qsizetype m_longestName = 0;
    qsizetype m_scanned = 0; // every "<" before this is filed
};
