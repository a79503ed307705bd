#include "grid/errortext.h"

#include <QLocale>

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

QString groupedNumber(qint64 number)
{
    return QLocale(QLocale::English).toString(number);
}
