#include "app/windowsettings.h"

#include <QSettings>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString kPosition = u"window/position"_s;
const QString kWidths = u"matchGrid/columnWidths"_s;
const QString kOrder = u"matchGrid/columnOrder"_s;

// Numbers kept as a readable list, "25, 20, 65".
QStringList numbersText(const QList<int> &numbers)
{
    QStringList out;
    for (int n : numbers)
        out << QString::number(n);
    return out;
}

std::optional<QList<int>> numbers(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    QList<int> out;
    for (const QString &text : value.toStringList()) {
        bool ok = false;
        out << text.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return out;
}

} // namespace

std::unique_ptr<QSettings> windowsettings::open()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, u"Vorlan"_s, u"vorlan"_s);
}

windowsettings::Stored windowsettings::load(QSettings &settings)
{
    Stored stored;
    if (settings.status() != QSettings::NoError)
        return stored;
    if (const auto xy = numbers(settings.value(kPosition)); xy && xy->size() == 2)
        stored.position = QPoint(xy->at(0), xy->at(1));
    const auto widths = numbers(settings.value(kWidths));
    const auto order = numbers(settings.value(kOrder));
    if (widths && order)
        stored.matchColumns = GridView::Arrangement{*widths, *order};
    return stored;
}

void windowsettings::store(QSettings &settings, const Stored &stored)
{
    if (stored.position)
        settings.setValue(kPosition, numbersText({stored.position->x(), stored.position->y()}));
    if (stored.matchColumns) {
        settings.setValue(kWidths, numbersText(stored.matchColumns->widths));
        settings.setValue(kOrder, numbersText(stored.matchColumns->order));
    }
    settings.sync();
}
