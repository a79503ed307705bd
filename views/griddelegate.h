#pragma once

#include <QList>
#include <QPixmap>
#include <QStyledItemDelegate>

// Draws image cells as the picture of their index, centred; every other
// cell as text on one line with an ellipsis when it doesn't fit.
class GridDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit GridDelegate(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}

    void setImages(const QList<QPixmap> &images) { m_images = images; }

    // Where a cell's text goes; wider text is cut with an ellipsis.
    static constexpr int kTextMargin = 2;
    static QRect textRect(const QRect &cell);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QList<QPixmap> m_images;
};
