#include "views/skinelement.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

void skinelement::set(QWidget *widget, const QString &element)
{
    widget->setProperty(kProperty, element);
}

QString skinelement::of(const QWidget *widget)
{
    return widget->property(kProperty).toString();
}

void skinelement::setStyleProperty(QWidget *widget, const char *name, const QVariant &value)
{
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}
