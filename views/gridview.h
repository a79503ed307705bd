#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

class GridDelegate;
class GridModel;
class GridTextProxy;

// Shows a GridModel: fixed rows, header-click sorting that reorders the
// model's rows, movable and sizable columns, hover hints and a cell click
// that fires only on a left-button release over the cell where it was
// pressed.
class GridView final : public QTableView
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);

    // Lays the columns out as the model describes them and follows its
    // column visibility from then on.
    void setGridModel(GridModel *model);
    GridModel *gridModel() const { return m_model; }

    // The pictures of the image cells and their names, by image index.
    void setImages(const QList<QPixmap> &images, const QStringList &names = {});

    // The texts the view adds to the model's: header tooltips and names.
    GridTextProxy *texts() const { return m_texts; }

    // Also takes an index of the grid model itself.
    QRect visualRect(const QModelIndex &index) const override;

    struct Hint
    {
        QString text;    // plain text; empty for no hint
        QRect cell;      // viewport coordinates of the cell
        bool overCell = false; // the whole text laid over a cut cell
    };
    // What resting the pointer at pos (viewport coordinates) shows.
    Hint hintAt(const QPoint &pos) const;

    // Where the user put the columns: widths by column number, and the column
    // numbers in their shown order.
    struct Arrangement
    {
        QList<int> widths;
        QList<int> order;
    };
    Arrangement arrangement() const;
    // Takes an arrangement for this grid's columns; one that doesn't fit
    // them (counts, a width out of bounds, an order that isn't a
    // permutation) changes nothing and gives false.
    bool setArrangement(const Arrangement &arrangement);
    // The columns' first widths, in number order; "Reset columns" on the
    // header's menu does this.
    void resetColumns();
    static constexpr int kMaxColumnWidth = 2000;

    // The selected rows as tab-separated text, ready to paste into a
    // spreadsheet: a header line with the shown columns in their shown order,
    // then one line per selected row, top to bottom. Pictures give their names.
    QString selectedRowsText() const;
    // Puts selectedRowsText() on the clipboard; what Ctrl+C does.
    void copySelectedRows() const;

    // Sort column and order of the last header click; -1 before any.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

Q_SIGNALS:
    void cellClicked(int column, int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void headerClicked(int column);
    bool textIsCut(const QModelIndex &index) const;

    GridModel *m_model = nullptr;
    GridDelegate *m_delegate = nullptr;
    GridTextProxy *m_texts = nullptr;
    QPersistentModelIndex m_pressed;
    QList<int> m_widths; // also of hidden columns, which the header reports as 0
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
