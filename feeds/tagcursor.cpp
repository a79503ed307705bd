#include "feeds/tagcursor.h"

#include <QByteArray>

// The matchers get arrays: one made from a view would keep pointing into it.
TagCursor::TagCursor(QByteArrayView text, QByteArrayView name)
    : m_text(text)
    , m_open(QByteArray('<' + name.toByteArray() + '>'))
    , m_close(QByteArray("</" + name.toByteArray() + '>'))
    , m_openSize(name.size() + 2)
    , m_closeSize(name.size() + 3)
{
}

qsizetype TagCursor::openAt(qsizetype from)
{
    Q_ASSERT(from >= m_lastBegin);
    m_lastBegin = from;
    if (m_openAt != -1 && m_openAt < from)
        m_openAt = m_open.indexIn(m_text, from);
    return m_openAt;
}

std::optional<QByteArrayView> TagCursor::find(qsizetype begin, qsizetype end)
{
    const qsizetype open = openAt(begin);
    const qsizetype contentBegin = open + m_openSize;
    // The first open tag past the window's end means none lies inside it.
    if (open < 0 || contentBegin > end)
        return std::nullopt;
    if (m_closeAt != -1 && m_closeAt < contentBegin)
        m_closeAt = m_close.indexIn(m_text, contentBegin);
    if (m_closeAt < 0 || m_closeAt + m_closeSize > end)
        return std::nullopt;
    return m_text.sliced(contentBegin, m_closeAt - contentBegin);
}
