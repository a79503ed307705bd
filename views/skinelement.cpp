#include "views/skinelement.h"

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
