#include "views/detailpanel.h"

#include "grid/cp1251.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <array>

using namespace Qt::StringLiterals;

namespace detailpanel {

namespace {

// Match grid columns copied into detail columns 1 to 4, per method row;
// -1 leaves the "Count" cell empty.
constexpr std::array<std::array<int, 4>, 6> kCopyMap{{
    {matchcol::Pool1, matchcol::PoolX, matchcol::Pool2, -1},
    {matchcol::Book1, matchcol::BookX, matchcol::Book2, -1},
    {matchcol::PoolSeparate1, matchcol::PoolSeparateX, matchcol::PoolSeparate2, -1},
    {matchcol::BookSeparate1, matchcol::BookSeparateX, matchcol::BookSeparate2, -1},
    {matchcol::PoolJoint1, matchcol::PoolJointX, matchcol::PoolJoint2, matchcol::PoolJointCount},
    {matchcol::BookJoint1, matchcol::BookJointX, matchcol::BookJoint2, matchcol::BookJointCount},
}};

} // namespace

const QStringList &methodLabels()
{
    // Rows 2 to 5: "1X2" and "1+X+2" with the Latin X, "1,Х,2" and "1+Х+2"
    // in the parentheses with the Cyrillic Ha.
    static const QStringList labels{
        u"Распределение пула тиража"_s,
        u"Распределение вероятности букмекера"_s,
        u"Поиск матчей по Pool 1X2 (отдельно по 1,\u0425,2 средний)"_s,
        u"Поиск матчей по Book 1X2 (отдельно по 1,\u0425,2 средний)"_s,
        u"Поиск матчей по Pool 1+X+2 (вместе 1+\u0425+2)"_s,
        u"Поиск матчей по Book 1+X+2 (вместе 1+\u0425+2)"_s,
    };
    return labels;
}

QString matchTitle(const GridModel &matches, int row)
{
    const QString title = matches.cellText(matchcol::Date, row) + u' '
                          + matches.cellText(matchcol::Time, row) + u"   "_s
                          + matches.cellText(matchcol::Home, row) + u" - "_s
                          + matches.cellText(matchcol::Away, row);
    return cp1251::limit(title);
}

void fillMethodRows(const GridModel &matches, int row, GridModel &detail)
{
    detail.RemoveAllRows();
    detail.AppendRows(int(kCopyMap.size()));
    const QStringList &labels = methodLabels();
    for (int r = 0; r < int(kCopyMap.size()); ++r)
        detail.SetCellText(0, r, labels[r]);
    for (int r = 0; r < int(kCopyMap.size()); ++r) {
        for (int d = 0; d < 4; ++d) {
            const int source = kCopyMap[std::size_t(r)][std::size_t(d)];
            if (source >= 0)
                detail.SetCellText(d + 1, r, matches.cellText(source, row));
        }
    }
}

} // namespace detailpanel
