#pragma once

#include "feeds/bookmaker.h"

#include <QByteArrayView>
#include <QString>

class GridModel;

// The fill step of a load, on the downloaded feed text.

// TIRAGE decoded from UTF-8 and limited to Windows-1251; empty when the
// element is missing or not well-formed UTF-8.
QString DrawTitle(QByteArrayView feed);

// Appends one row per "<MATCH>", wherever it stands, and fills all 32
// columns; the caller clears the grid first. Within one call a field that a
// match lacks repeats the value of the last earlier match that had it. A
// number the grid refuses throws GridError, leaving the rows and cells set
// so far. Linear in the feed's size and in what it writes to the grid.
void FillMatches(QByteArrayView feed, Bookmaker bookmaker, GridModel &grid);
