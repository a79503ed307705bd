#include "views/columnhelp.h"

#include "grid/gridlayouts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Percentages are compared as they are written, digit by digit, not as numbers.
const QString kTextOrder = u" The percentages are compared as written, so 9 ranks above 45."_s;

QString outcomeName(int outcome)
{
    switch (outcome) {
    case 0:
        return u"a home win (1)"_s;
    case 1:
        return u"a draw (X)"_s;
    default:
        return u"an away win (2)"_s;
    }
}

// Columns 12 to 25: what the match searches found, seen in the detail panel.
QString searchColumn(int column)
{
    using namespace matchcol;
    struct Search
    {
        int first;
        const char16_t *side;
        bool joint;
    };
    static constexpr Search searches[] = {{BookSeparate1, u"bookmaker's", false},
                                          {PoolSeparate1, u"pool's", false},
                                          {BookJoint1, u"bookmaker's", true},
                                          {PoolJoint1, u"pool's", true}};
    for (const Search &search : searches) {
        if (column < search.first)
            continue;
        const QString what = search.joint ? u"joint search (1, X and 2 taken together)"_s
                                          : u"separate search (1, X and 2 searched one by one, then averaged)"_s;
        const QString side = QString::fromUtf16(search.side);
        if (column - search.first == 3)
            return u"How many past matches the %1 %2 found. Shown in the detail panel."_s.arg(side, what);
        return u"The percentage of %1 among past matches found by the %2 %3. Shown in the detail panel."_s.arg(
            outcomeName(column - search.first), side, what);
    }
    return {};
}

} // namespace

QString columnhelp::matchColumn(int column)
{
    using namespace matchcol;
    const auto outcome = [](int first, int c) { return outcomeName(c - first); };
    if (column >= PoolJoint1 && column <= BookSeparate2)
        return searchColumn(column);
    switch (column) {
    case Sport:
        return u"Sport: a football or a hockey puck (the league names hockey). "
               "Rest the pointer on it to see the league."_s;
    case Num:
        return u"The match's number in the draw."_s;
    case Date:
        return u"The day of the match as the feed gives it; \"-\" where the bookmaker gives none."_s;
    case Time:
        return u"The starting time as the feed gives it; \"-\" where the bookmaker gives none."_s;
    case Home:
        return u"The home team."_s;
    case Away:
        return u"The away team."_s;
    case Pool1:
    case PoolX:
    case Pool2:
        return u"The pool's share, in percent, of the players' picks for %1."_s.arg(outcome(Pool1, column));
    case Book1:
    case BookX:
    case Book2:
        return u"The bookmaker's probability, in percent, of %1."_s.arg(outcome(Book1, column));
    case OBB:
        return u"One Bet Bookmaker: the single outcome (1, X or 2) with the highest percentage in "
               "the bookmaker's joint search."_s + kTextOrder;
    case DBB:
        return u"Double Bet Bookmaker: the double chance (1X, 2X or 12) that leaves out the outcome "
               "with the lowest percentage in the bookmaker's joint search; empty when all three are "
               "equal."_s + kTextOrder;
    case OBP:
        return u"One Bet Pool: the single outcome (1, X or 2) with the highest percentage in the "
               "pool's separate search."_s + kTextOrder;
    case DBP:
        return u"Double Bet Pool: the double chance (1X, 2X or 12) that leaves out the outcome with "
               "the lowest percentage in the pool's separate search; empty when all three are "
               "equal."_s + kTextOrder;
    case AOB:
        return u"All One Bets: the single outcome on which the bookmaker (OBB) and the pool (OBP) "
               "agree; empty when they differ."_s;
    case ADB:
        return u"All Double Bets: the double chance on which the bookmaker (DBB) and the pool (DBP) "
               "agree; empty when they differ."_s;
    default:
        return {};
    }
}

QString columnhelp::detailColumn(int column)
{
    switch (column) {
    case 0:
        return u"Where the row's percentages come from: the pool's or the bookmaker's distribution, "
               "or a search of past matches by the pool's or the bookmaker's percentages."_s;
    case 1:
    case 2:
    case 3:
        return u"The row's percentage for %1."_s.arg(outcomeName(column - 1));
    case 4:
        return u"How many past matches the joint search (1, X and 2 taken together) found; empty "
               "for the other rows."_s;
    default:
        return {};
    }
}
