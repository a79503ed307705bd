#pragma once

#include "grid/gridcolumn.h"
#include "grid/gridrows.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// Rows of typed cells under a fixed list of columns. The operations keep the
// names the rest of the program calls them by; they work without a window,
// so the loader, the command-line tool and the tests share them.
class GridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        ImageIndexRole = Qt::UserRole + 1, // int, image columns
        HintRole,                          // QString, the cell's hint
        HeaderImageRole,                   // QString, resource path of a header picture
        TextFitHintRole,                   // bool, per column
    };

    explicit GridModel(QList<ColumnSpec> columns, QObject *parent = nullptr);

    // The user's decimal separator, taken from the locale unless set.
    QChar decimalSeparator() const { return m_decimalSeparator; }
    void setDecimalSeparator(QChar separator) { m_decimalSeparator = separator; }

    void RemoveAllRows();
    // Adds count rows after the last one; nothing for count < 1. Returns the
    // number of the last row.
    int AppendRows(int count);
    int RowCount() const { return m_rows.size(); }

    // Rows built off the grid (with its columns) added after the last row,
    // announced as one insertion; rows is left empty.
    void appendRows(GridRows &&rows);

    // Out-of-range column or row: nothing happens. A number or image cell
    // that refuses the text throws GridError and keeps its value.
    void SetCellText(int column, int row, const QString &text);
    // Out of range: target keeps what it held and false comes back.
    bool GetCellText(int column, int row, QString &target) const;
    // The same text as a value; empty out of range.
    QString cellText(int column, int row) const;

    // Only for an existing cell.
    CellRef CellAt(int column, int row) const;
    void SetCellImageIndex(CellRef cell, int index);
    void SetCellHint(CellRef cell, const QString &text);

    ColumnRef ColumnAt(int number) const { return ColumnRef{number}; }
    void SetColumnVisible(ColumnRef column, bool visible);

    const ColumnSpec &column(int number) const { return m_columns.at(number); }
    const QList<ColumnSpec> &columns() const { return m_columns; }
    // The cells themselves, for reading.
    const GridRows &cells() const { return m_rows; }
    int columnCount() const { return int(m_columns.size()); }
    bool isColumnVisible(int number) const { return m_columns.at(number).visible; }
    int imageIndex(int column, int row) const;
    QString hint(int column, int row) const;

    // Reorders the rows themselves, stably, so row numbers follow the shown order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    void columnVisibilityChanged(int number, bool visible);

private:
    bool contains(int column, int row) const;
    QString displayText(int column, int row) const;

    QList<ColumnSpec> m_columns;
    GridRows m_rows;
    QChar m_decimalSeparator;
};
