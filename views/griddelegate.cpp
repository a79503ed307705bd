#include "views/griddelegate.h"

#include "views/gridmodel.h"

#include <QApplication>
#include <QPainter>

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const QVariant image = index.data(GridModel::ImageIndexRole);
    if (!image.isValid()) {
        QStyleOptionViewItem opt = option;
        opt.features &= ~QStyleOptionViewItem::WrapText;
        QStyledItemDelegate::paint(painter, opt, index);
        return;
    }
    // Background and selection as for any cell, then the picture on top;
    // an index outside the list shows nothing.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    opt.icon = {};
    opt.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const int i = image.toInt();
    if (i < 0 || i >= m_images.size())
        return;
    const QPixmap &pixmap = m_images.at(i);
    QRect target(QPoint(), pixmap.deviceIndependentSize().toSize());
    target.moveCenter(option.rect.center());
    painter->drawPixmap(target, pixmap);
}
