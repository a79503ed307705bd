#pragma once

#include "feeds/bookmaker.h"

#include <QByteArrayView>
#include <QString>

class GridModel;

// A second, deliberately naive fill for the fuzzer to compare with: the feed
// text is cut match by match and every value is found again with a fresh tag
// search, the picks come from their plain rule ("the highest", "all but the
// lowest"), and nothing is shared with the feed library but the Windows-1251
// table. Quadratic in the feed's size, so only for small inputs.
namespace reference {

// The title as DrawTitle should give it.
QString DrawTitle(QByteArrayView feed);

// The rows and cells as FillMatches should leave them; throws GridError at
// the same cell.
void FillMatches(QByteArrayView feed, Bookmaker bookmaker, GridModel &grid);

} // namespace reference
