#pragma once

#include <QByteArrayMatcher>
#include <QByteArrayView>

#include <optional>

// ExtractTag for one name over a series of windows of one text whose starts
// never move back, as the loader takes match after match. Each stretch of the
// text is searched once per tag, so a load stays linear in the feed's size
// even when matches overlap or their close tags are missing.
class TagCursor final
{
public:
    // text must outlive the cursor.
    TagCursor(QByteArrayView text, QByteArrayView name);

    // Position of the first open tag at or after from; -1 when there is none.
    qsizetype openAt(qsizetype from);

    // What ExtractTag would find in text[begin, end), as a view of text;
    // nothing on a miss. begin must not be less than at the previous call.
    std::optional<QByteArrayView> find(qsizetype begin, qsizetype end);

private:
    static constexpr qsizetype kNotSearched = -2;

    QByteArrayView m_text;
    QByteArrayMatcher m_open;
    QByteArrayMatcher m_close;
    qsizetype m_openSize;
    qsizetype m_closeSize;
    qsizetype m_lastBegin = 0;
    // First tag at or after the last search's start; -1 once none is left.
    qsizetype m_openAt = kNotSearched;
    qsizetype m_closeAt = kNotSearched;
};
