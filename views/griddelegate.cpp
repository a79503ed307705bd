#include "views/griddelegate.h"

#include "grid/gridmodel.h"

#include <QApplication>
#include <QPainter>

QRect GridDelegate::textRect(const QRect &cell)
{
    return cell.adjusted(kTextMargin, 0, -kTextMargin, 0);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    // Background and selection as the style draws them, then the content
    // ourselves: the style's text margins would cut two digits in a 20-pixel
    // column.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    opt.icon = {};
    opt.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QVariant image = index.data(GridModel::ImageIndexRole);
    if (image.isValid()) {
        // An index outside the list shows nothing.
        const int i = image.toInt();
        if (i < 0 || i >= m_images.size())
            return;
        const QPixmap &pixmap = m_images.at(i);
        QRect target(QPoint(), pixmap.deviceIndependentSize().toSize());
        target.moveCenter(option.rect.center());
        painter->drawPixmap(target, pixmap);
        return;
    }

    const QRect area = textRect(option.rect);
    const QString shown = opt.fontMetrics.elidedText(text, Qt::ElideRight, area.width());
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = opt.state & QStyle::State_Active ? QPalette::Active
                                                                        : QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(selected ? opt.palette.color(group, QPalette::HighlightedText)
                             : opt.palette.color(group, QPalette::Text));
    painter->drawText(area, int(opt.displayAlignment) | Qt::TextSingleLine, shown);
    painter->restore();
}
