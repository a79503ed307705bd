#pragma once

#include <QString>

// What each column of the two grids holds and how it is derived, in plain
// words, for header tooltips and the pick boxes. Keyed by column number.
namespace columnhelp {

// Match grid columns 0 to 31; empty for any other number.
QString matchColumn(int column);

// Detail grid columns 0 to 4; empty for any other number.
QString detailColumn(int column);

} // namespace columnhelp
