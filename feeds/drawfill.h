#pragma once

#include "feeds/bookmaker.h"

#include <QByteArrayView>
#include <QString>

class GridModel;

// The fill step of a load, on the downloaded feed text.

// TIRAGE decoded from UTF-8 and limited to Windows-1251; empty when the
// element is missing or not well-formed UTF-8.
QString DrawTitle(QByteArrayView feed);

// The most rows a load makes; no real draw comes near it, and it bounds
// what a hostile feed of bare "<MATCH>" tags can cost.
inline constexpr int kDrawRowLimit = 1'000'000;

// Why a fill that reached rowLimit stops short, in plain words.
QString rowLimitReason(int rowLimit);

// How a fill ended when no number was refused.
enum class FillEnd {
    Complete, // one row per "<MATCH>"
    RowLimit, // stopped after rowLimit rows; more "<MATCH>" followed
};

// What a fill converted, for the tests that hold its cost to the feed's
// size: numbers converted from text, and matches whose result lines were
// taken apart (a row that repeats the one before copies its cells instead).
struct FillCounts
{
    qsizetype numbersConverted = 0;
    qsizetype resultLinesRead = 0;
};

// Appends one row per "<MATCH>", wherever it stands, and fills all 32
// columns; the caller clears the grid first. Within one call a field that a
// match lacks repeats the value of the last earlier match that had it. A
// number the grid refuses throws GridError, leaving the rows and cells set
// so far. The rows reach the grid as one insertion, when the fill ends.
// Linear in the feed's size plus its rows: each value is converted once
// when it is read, and a row that repeats held values shares their text.
FillEnd FillMatches(QByteArrayView feed, Bookmaker bookmaker, GridModel &grid,
                    int rowLimit = kDrawRowLimit, FillCounts *counts = nullptr);
