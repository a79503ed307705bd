#pragma once

#include "grid/gridcolumn.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <deque>
#include <vector>

// The cells of a grid's rows, kept by kind: a number cell is a double, a
// text cell a QString (implicitly shared, so a copied cell shares its text),
// an image cell its index. Hints are kept only for columns that have been
// given one. A row's cells live in a record; a row appended as a copy of
// another shares that row's record until either is changed, so a feed that
// repeats one match many times costs a few bytes a repeat. No notices:
// GridModel announces what changes, and a fill builds its rows here before
// handing them over in one piece.
class GridRows final
{
public:
    explicit GridRows(const QList<ColumnSpec> &columns);

    int size() const { return int(m_record.size()); }
    int columnCount() const { return int(m_kinds.size()); }
    CellKind kind(int column) const { return m_kinds[std::size_t(column)]; }

    // Rows with every cell at its kind's start: 0, empty text, image 0, no hint.
    void append(int count);
    // A row with the cells of row, which must exist.
    void appendCopy(int row);
    // Appends other's rows after these; other is left empty.
    void append(GridRows &&other);
    void clear();

    // Cells of the kind asked for; columns and rows must exist.
    double number(int column, int row) const { return m_numbers[at(column, row, m_numberStride)]; }
    void setNumber(int column, int row, double value) { m_numbers[own(column, row, m_numberStride)] = value; }
    const QString &text(int column, int row) const { return m_texts[at(column, row, m_textStride)]; }
    void setText(int column, int row, const QString &text) { m_texts[own(column, row, m_textStride)] = text; }
    int image(int column, int row) const { return m_images[at(column, row, m_imageStride)]; }
    void setImage(int column, int row, int index) { m_images[own(column, row, m_imageStride)] = index; }
    QString hint(int column, int row) const;
    void setHint(int column, int row, const QString &text);

    // Copies the cells of columns first to last from one row into another.
    void copyCells(int fromRow, int toRow, int first, int last);

    // Puts the rows in this order: row i becomes the old row order[i].
    void reorder(const std::vector<int> &order);

private:
    std::size_t at(int column, int row, int stride) const
    {
        return std::size_t(m_record[std::size_t(row)]) * std::size_t(stride) + std::size_t(m_slot[std::size_t(column)]);
    }
    // The row's record, first made its own when it was shared.
    std::size_t ownRecord(int row)
    {
        if (m_uses[m_record[std::size_t(row)]] > 1)
            detach(row);
        return m_record[std::size_t(row)];
    }
    // A cell's place in a record the row has to itself.
    std::size_t own(int column, int row, int stride)
    {
        return ownRecord(row) * std::size_t(stride) + std::size_t(m_slot[std::size_t(column)]);
    }
    // Gives row a record of its own with the cells it shared.
    void detach(int row);
    // Adds count records at their kinds' start.
    void addRecords(std::size_t count);

    std::vector<CellKind> m_kinds;
    std::vector<int> m_slot; // a column's place among the cells of its kind
    int m_numberStride = 0;
    int m_textStride = 0;
    int m_imageStride = 0;
    std::vector<std::uint32_t> m_record; // per row: the record that holds its cells
    std::vector<std::uint32_t> m_uses;   // per record: the rows that share it
    // Per record, by kind. Deques: the records grow block by block, with no
    // spare room to speak of and no copying as they grow.
    std::deque<double> m_numbers;
    std::deque<QString> m_texts;
    std::deque<int> m_images;
    // Per column; empty until the column is given a hint, then one per record.
    std::vector<std::deque<QString>> m_hints;
};
