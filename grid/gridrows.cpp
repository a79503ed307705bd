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

void GridRows::append(int count)
{
    if (count < 1)
        return;
    m_size += count;
    m_numbers.resize(std::size_t(m_size) * std::size_t(m_numberStride));
    m_texts.resize(std::size_t(m_size) * std::size_t(m_textStride));
    m_images.resize(std::size_t(m_size) * std::size_t(m_imageStride));
    for (std::deque<QString> &hints : m_hints) {
        if (!hints.empty())
            hints.resize(std::size_t(m_size));
    }
}

void GridRows::append(GridRows &&other)
{
    Q_ASSERT(other.m_kinds == m_kinds);
    if (m_size == 0) {
        std::swap(*this, other);
        other.clear();
        return;
    }
    const int before = m_size;
    m_size += other.m_size;
    m_numbers.insert(m_numbers.end(), other.m_numbers.begin(), other.m_numbers.end());
    m_texts.insert(m_texts.end(), std::make_move_iterator(other.m_texts.begin()),
                   std::make_move_iterator(other.m_texts.end()));
    m_images.insert(m_images.end(), other.m_images.begin(), other.m_images.end());
    for (std::size_t c = 0; c < m_hints.size(); ++c) {
        std::deque<QString> &mine = m_hints[c];
        std::deque<QString> &theirs = other.m_hints[c];
        if (mine.empty() && theirs.empty())
            continue;
        mine.resize(std::size_t(before));
        theirs.resize(std::size_t(other.m_size));
        mine.insert(mine.end(), std::make_move_iterator(theirs.begin()), std::make_move_iterator(theirs.end()));
    }
    other.clear();
}

void GridRows::clear()
{
    m_size = 0;
    m_numbers = {};
    m_texts = {};
    m_images = {};
    for (std::deque<QString> &hints : m_hints)
        hints = {};
}

QString GridRows::hint(int column, int row) const
{
    const std::deque<QString> &hints = m_hints[std::size_t(column)];
    return hints.empty() ? QString() : hints[std::size_t(row)];
}

void GridRows::setHint(int column, int row, const QString &text)
{
    std::deque<QString> &hints = m_hints[std::size_t(column)];
    if (hints.empty()) {
        if (text.isEmpty())
            return;
        hints.resize(std::size_t(m_size));
    }
    hints[std::size_t(row)] = text;
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

namespace {

template<typename T>
void reorderBlocks(std::deque<T> &cells, int stride, const std::vector<int> &order)
{
    if (stride == 0)
        return;
    std::deque<T> sorted;
    for (const int row : order) {
        const auto begin = cells.begin() + std::ptrdiff_t(row) * stride;
        std::move(begin, begin + stride, std::back_inserter(sorted));
    }
    cells = std::move(sorted);
}

} // namespace

void GridRows::reorder(const std::vector<int> &order)
{
    Q_ASSERT(int(order.size()) == m_size);
    reorderBlocks(m_numbers, m_numberStride, order);
    reorderBlocks(m_texts, m_textStride, order);
    reorderBlocks(m_images, m_imageStride, order);
    for (std::deque<QString> &hints : m_hints) {
        if (!hints.empty())
            reorderBlocks(hints, 1, order);
    }
}
