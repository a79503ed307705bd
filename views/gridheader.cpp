#include "views/gridheader.h"

#include <algorithm>

GridHeader::GridHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
}

QSize GridHeader::sizeHint() const
{
    if (minimumHeight() != maximumHeight())
        return QHeaderView::sizeHint();
    // The view takes only the height; the width is the widest section's.
    int width = 0;
    for (int section = 0; section < count(); ++section)
        width = std::max(width, sectionSize(section));
    return {width, maximumHeight()};
}
