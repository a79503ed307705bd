#include "views/shadowlabel.h"

#include <QPainter>
#include <QStyle>

ShadowLabel::ShadowLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void ShadowLabel::setShadow(const QColor &color, QPoint offset)
{
    m_color = color;
    m_offset = offset;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(m_color);
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextSingleLine;
        painter.drawText(area.translated(m_offset), flags, text());
    }
    QLabel::paintEvent(event);
}
