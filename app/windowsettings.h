#pragma once

#include "views/gridview.h"

#include <QPoint>

#include <memory>
#include <optional>

class QSettings;

// What the window keeps between runs: where it stood and how the user
// arranged the match grid's columns. Kept with QSettings in the platform's
// usual place for a user's settings.
namespace windowsettings {

struct Stored
{
    std::optional<QPoint> position;
    std::optional<GridView::Arrangement> matchColumns;
};

// The program's settings.
std::unique_ptr<QSettings> open();

// What the settings hold; a missing or damaged file, or a value that doesn't
// read as its kind, gives nothing for it.
Stored load(QSettings &settings);
void store(QSettings &settings, const Stored &stored);

} // namespace windowsettings
