#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace pugi {
class xml_node;
}

// The work the fill does, done the plain way on the well-formed twin with
// pugixml's DOM: each match's twelve fields and both result lines taken into
// std::string, the triples split and the 20 numbers converted.
struct PeerMatch
{
    enum Field { League, Num, Date, Time, Home, Away, P1, Draw, P2, P1B, DrawB, P2B, FieldCount };
    enum Line { Pool, Book, LineCount }; // ITOG, ITOG2

    std::array<std::string, FieldCount> fields;
    std::array<std::string, LineCount> separate; // the text before "<br/>"
    std::array<std::string, LineCount> joint; // the text of "<b>"
    // In the match grid's column order 6 to 25: the six percentages, then
    // ITOG's and ITOG2's joint triples with their counts, then ITOG's and
    // ITOG2's separate triples.
    std::array<double, 20> numbers{};
    int refused = 0; // pieces from_chars did not take
};

// Calls visit for every MATCH element under DRAW, nested ones included, in
// document order. As in the fill, a value that a match lacks keeps the one
// of the last earlier match that had it.
void forEachPeerMatch(const pugi::xml_node &document, const std::function<void(const PeerMatch &)> &visit);

// The peer as the table times it: the sum of the numbers and of the text
// lengths, so that nothing can be left out.
double peerChecksum(const pugi::xml_node &document);
