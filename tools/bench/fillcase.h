#pragma once

#include <QByteArray>

// One feed measured in the table: our fill and its peers on the same bytes,
// each a median of repeated runs taken in turn, so that a busy moment of
// the machine falls on all of them alike.
struct FillFigures
{
    int matches = 0;
    qsizetype bytes = 0;
    double fillMs = 0;       // FillMatches into a fresh grid, no view attached
    double parseMs = 0;      // pugixml: parse the well-formed twin
    double peerMs = 0;       // pugixml: parse, take every value, convert the numbers
    double floorMs = 0;      // one memchr pass counting the "<"
    double bytesPerRow = 0;  // heap that a filled grid holds, per row
};

// Fills must give one row per match; a fill that gives fewer, or throws,
// stops the program with a message.
FillFigures measureFill(const QByteArray &feed, int matches, int repeats);
