#include "views/linklabel.h"

#include "views/skinelement.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &caption, const QString &link, QWidget *parent)
    : QLabel(caption, parent)
    , m_link(link)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    skinelement::set(this, QStringLiteral("stdlabel"));
    setProperty("hovered", false);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && !m_link.isEmpty())
        Q_EMIT activated(m_link);
}

// The skin picks the hover colour through the "hovered" property.
void LinkLabel::setHovered(bool hovered)
{
    skinelement::setStyleProperty(this, "hovered", hovered);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    setHovered(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setHovered(false);
    QLabel::leaveEvent(event);
}
