#include "grid/gridrows.h"

#include <algorithm>
#include <iterator>

GridRows::GridRows(const QList<ColumnSpec> &columns)
    : m_hints(std::size_t(columns.size()))
{
    for (const ColumnSpec &spec : columns) {
        m_kinds.push_back(spec.kind);
        switch (spec.kind) {
        case CellKind::Number:
            m_slot.push_back(m_numberStride++);
            break;
        case CellKind::Text:
            m_slot.push_back(m_textStride++);
            break;
        case CellKind::Image:
            m_slot.push_back(m_imageStride++);
            break;
        }
    }
}

void GridRows::addRecords(std::size_t count)
{
    const std::size_t records = m_uses.size() + count;
    m_uses.resize(records, 0);
    m_numbers.resize(records * std::size_t(m_numberStride));
    m_texts.resize(records * std::size_t(m_textStride));
    m_images.resize(records * std::size_t(m_imageStride));
    for (std::deque<QString> &hints : m_hints) {
        if (!hints.empty())
            hints.resize(records);
    }
}

void GridRows::append(int count)
{
    if (count < 1)
        return;
    const auto first = std::uint32_t(m_uses.size());
    addRecords(std::size_t(count));
    for (std::uint32_t record = first; record < m_uses.size(); ++record) {
        m_record.push_back(record);
        m_uses[record] = 1;
    }
}

void GridRows::appendCopy(int row)
{
    const std::uint32_t record = m_record[std::size_t(row)];
    m_record.push_back(record);
    ++m_uses[record];
}

void GridRows::detach(int row)
{
    const std::size_t from = m_record[std::size_t(row)];
    const std::size_t to = m_uses.size();
    addRecords(1);
    --m_uses[from];
    m_uses[to] = 1;
    m_record[std::size_t(row)] = std::uint32_t(to);
    const auto copyRecord = [from, to](auto &cells, int stride) {
        const auto s = std::ptrdiff_t(stride);
        std::copy_n(cells.begin() + std::ptrdiff_t(from) * s, s, cells.begin() + std::ptrdiff_t(to) * s);
    };
    copyRecord(m_numbers, m_numberStride);
    copyRecord(m_texts, m_textStride);
    copyRecord(m_images, m_imageStride);
    for (std::deque<QString> &hints : m_hints) {
        if (!hints.empty())
            hints[to] = hints[from];
    }
}

void GridRows::append(GridRows &&other)
{
    Q_ASSERT(other.m_kinds == m_kinds);
    if (m_record.empty()) {
        std::swap(*this, other);
        other.clear();
        return;
    }
    const std::size_t before = m_uses.size();
    for (const std::uint32_t record : other.m_record)
        m_record.push_back(record + std::uint32_t(before));
    m_uses.insert(m_uses.end(), other.m_uses.begin(), other.m_uses.end());
    m_numbers.insert(m_numbers.end(), other.m_numbers.begin(), other.m_numbers.end());
    m_texts.insert(m_texts.end(), std::make_move_iterator(other.m_texts.begin()),
                   std::make_move_iterator(other.m_texts.end()));
    m_images.insert(m_images.end(), other.m_images.begin(), other.m_images.end());
    for (std::size_t c = 0; c < m_hints.size(); ++c) {
        std::deque<QString> &mine = m_hints[c];
        std::deque<QString> &theirs = other.m_hints[c];
        if (mine.empty() && theirs.empty())
            continue;
        mine.resize(before);
        theirs.resize(other.m_uses.size());
        mine.insert(mine.end(), std::make_move_iterator(theirs.begin()), std::make_move_iterator(theirs.end()));
    }
    other.clear();
}

void GridRows::clear()
{
    m_record = {};
    m_uses = {};
    m_numbers = {};
    m_texts = {};
    m_images = {};
    for (std::deque<QString> &hints : m_hints)
        hints = {};
}

QString GridRows::hint(int column, int row) const
{
    const std::deque<QString> &hints = m_hints[std::size_t(column)];
    return hints.empty() ? QString() : hints[m_record[std::size_t(row)]];
}

void GridRows::setHint(int column, int row, const QString &text)
{
    std::deque<QString> &hints = m_hints[std::size_t(column)];
    if (hints.empty()) {
        if (text.isEmpty())
            return;
        hints.resize(m_uses.size());
    }
    hints[ownRecord(row)] = text;
}

void GridRows::copyCells(int fromRow, int toRow, int first, int last)
{
    for (int column = first; column <= last; ++column) {
        switch (kind(column)) {
        case CellKind::Number:
            setNumber(column, toRow, number(column, fromRow));
            break;
        case CellKind::Text:
            setText(column, toRow, text(column, fromRow));
            break;
        case CellKind::Image:
            setImage(column, toRow, image(column, fromRow));
            break;
        }
        if (!m_hints[std::size_t(column)].empty())
            setHint(column, toRow, hint(column, fromRow));
    }
}

void GridRows::reorder(const std::vector<int> &order)
{
    Q_ASSERT(order.size() == m_record.size());
    std::vector<std::uint32_t> records;
    records.reserve(order.size());
    for (const int row : order)
        records.push_back(m_record[std::size_t(row)]);
    m_record = std::move(records);
}
