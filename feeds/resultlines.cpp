#include "feeds/resultlines.h"

#include "grid/cp1251.h"
#include "feeds/tagreader.h"
#include "feeds/textorder.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QScopeGuard>
#include <QStringView>

#include <algorithm>
#include <array>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Picks: each rule whose conditions all hold gives its value, and a later
// one overrides an earlier one.

enum Value : int { V1, VX, V2 };
enum class Relation { Always, Greater, AtLeast, Equal };

struct Condition
{
    Value left = V1;
    Relation relation = Relation::Always;
    Value right = V1;
};

// The outcome codes; copies of these literals allocate nothing.
enum Code : int { Code1, CodeX, Code2, Code1X, Code2X, Code12, NoCode };

const QString &codeText(Code code)
{
    static const QString texts[] = {u"1"_s, u"X"_s, u"2"_s, u"1X"_s, u"2X"_s, u"12"_s, QString()};
    return texts[code];
}

struct Rule
{
    std::array<Condition, 3> conditions;
    Code value;
};

constexpr Relation Gt = Relation::Greater;
constexpr Relation Ge = Relation::AtLeast;
constexpr Relation Eq = Relation::Equal;

constexpr Rule kSingleRules[] = {
    {{{{V1, Gt, VX}, {V1, Ge, V2}}}, Code1},
    {{{{V2, Gt, VX}, {V2, Gt, V1}}}, Code2},
    {{{{VX, Gt, V1}, {VX, Gt, V2}}}, CodeX},
    {{{{V1, Gt, V2}, {V1, Gt, VX}}}, Code1},
    {{{{V2, Gt, V1}, {V2, Gt, VX}}}, Code2},
    {{{{V1, Eq, VX}, {V1, Gt, V2}}}, Code1},
    {{{{V2, Eq, VX}, {V2, Gt, V1}}}, Code2},
    {{{{V1, Eq, VX}, {V1, Eq, V2}}}, Code1},
};

constexpr Rule kDoubleRules[] = {
    {{{{V1, Gt, VX}, {V1, Gt, V2}, {VX, Gt, V2}}}, Code1X},
    {{{{V2, Gt, VX}, {V2, Gt, V1}, {VX, Gt, V1}}}, Code2X},
    {{{{V1, Gt, VX}, {V2, Gt, VX}}}, Code12},
    {{{{VX, Gt, V1}, {V1, Gt, V2}, {VX, Gt, V2}}}, Code1X},
    {{{{VX, Gt, V1}, {V2, Gt, V1}, {VX, Gt, V2}}}, Code2X},
    {{{{V1, Eq, V2}, {V1, Gt, VX}}}, Code12},
    {{{{V1, Eq, V2}, {V2, Gt, VX}}}, Code12},
    {{{{V1, Eq, VX}, {V1, Gt, V2}}}, Code1X},
    {{{{V2, Eq, VX}, {V2, Gt, V1}}}, Code2X},
    {{{{V1, Gt, VX}, {VX, Eq, V2}}}, Code1X},
    {{{{V2, Gt, VX}, {VX, Eq, V1}}}, Code2X},
    {{{{VX, Gt, V1}, {V1, Eq, V2}}}, Code1X},
};

using Triple = std::array<QByteArrayView, 3>;

// The order of every pair of the three values.
using Orders = std::array<std::array<std::strong_ordering, 3>, 3>;

bool holds(const Condition &condition, const Orders &orders)
{
    const std::strong_ordering order = orders[condition.left][condition.right];
    switch (condition.relation) {
    case Relation::Always:
        return true;
    case Relation::Greater:
        return order > 0;
    case Relation::AtLeast:
        return order >= 0;
    case Relation::Equal:
        return order == 0;
    }
    return true;
}

template<std::size_t N>
Code applyRules(const Rule (&rules)[N], const Orders &orders)
{
    Code result = NoCode;
    for (const Rule &rule : rules) {
        if (std::all_of(rule.conditions.begin(), rule.conditions.end(),
                        [&](const Condition &c) { return holds(c, orders); }))
            result = rule.value;
    }
    return result;
}

struct Picks
{
    Code single = NoCode;
    Code chance = NoCode;
};

std::strong_ordering orderOfSign(int sign)
{
    return sign < 0 ? std::strong_ordering::less
                    : sign > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}

int signOf(std::strong_ordering order)
{
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Both picks of a triple. The rules depend only on how the three values
// order, so they are applied once to each of the 27 orderings of the pairs
// (V1, VX), (V1, V2), (VX, V2), and a triple costs three comparisons.
Picks picksOf(const Triple &values)
{
    static const std::array<Picks, 27> table = [] {
        std::array<Picks, 27> picks;
        for (int i = 0; i < 27; ++i) {
            const int signs[3] = {i / 9 - 1, i / 3 % 3 - 1, i % 3 - 1};
            constexpr auto eq = std::strong_ordering::equal;
            Orders orders{{{eq, eq, eq}, {eq, eq, eq}, {eq, eq, eq}}};
            const int pairs[3][2] = {{V1, VX}, {V1, V2}, {VX, V2}};
            for (int p = 0; p < 3; ++p) {
                orders[pairs[p][0]][pairs[p][1]] = orderOfSign(signs[p]);
                orders[pairs[p][1]][pairs[p][0]] = orderOfSign(-signs[p]);
            }
            picks[std::size_t(i)] = {applyRules(kSingleRules, orders), applyRules(kDoubleRules, orders)};
        }
        return picks;
    }();
    const int i = (signOf(compareText(values[V1], values[VX])) + 1) * 9
                + (signOf(compareText(values[V1], values[V2])) + 1) * 3
                + (signOf(compareText(values[VX], values[V2])) + 1);
    return table[std::size_t(i)];
}

// Where one result line goes, and which of its triples gives the picks.
struct LineColumns
{
    int joint; // V1, VX, V2 and count from here on
    int separate; // V1, VX and V2 from here on
    bool picksFromJoint;
    int singlePick;
    int doubleChance;
};

constexpr LineColumns kPoolLine{matchcol::PoolJoint1, matchcol::PoolSeparate1, false,
                                matchcol::OBP, matchcol::DBP};
constexpr LineColumns kBookLine{matchcol::BookJoint1, matchcol::BookSeparate1, true,
                                matchcol::OBB, matchcol::DBB};

void setPicks(ResultCells &cells, const LineColumns &line, const Triple &t)
{
    const Picks picks = picksOf(t);
    cells.setPick(line.singlePick, codeText(picks.single));
    if (picks.chance != NoCode)
        cells.setPick(line.doubleChance, codeText(picks.chance));
}

// Takes the working text apart as one line: the separate part before "<b>"
// becomes the working text, the joint part after it is read, then the
// separate part is cut in place. Everything stays a view of the line.
void readLine(QByteArrayView &working, const LineColumns &line, ResultCells &cells)
{
    const auto [separate, joint] = CutAt(working, "<b>");
    working = separate;

    if (joint.contains('/')) {
        const Cut first = CutAt(joint, "/");
        const Cut second = CutAt(first.rest, "/");
        const Cut third = CutAt(second.rest, "(");
        cells.setNumber(line.joint, first.left);
        cells.setNumber(line.joint + 1, second.left);
        cells.setNumber(line.joint + 2, third.left);
        cells.setNumber(line.joint + 3, UpTo(third.rest, ')'));
        if (line.picksFromJoint)
            setPicks(cells, line, {first.left, second.left, third.left});
    }

    if (separate.contains('/')) {
        const Cut first = CutAt(separate, "/");
        const Cut second = CutAt(first.rest, "/");
        // V2 ends at "<", but the working text keeps what the two cuts left.
        const Triple triple{first.left, second.left, UpTo(second.rest, '<')};
        working = second.rest;
        cells.setNumber(line.separate, triple[V1]);
        cells.setNumber(line.separate + 1, triple[VX]);
        cells.setNumber(line.separate + 2, triple[V2]);
        if (!line.picksFromJoint)
            setPicks(cells, line, triple);
    }
}

// The pick both sides agree on, or nothing.
void setAgreement(ResultCells &cells, int bookColumn, int poolColumn, int target,
                  std::initializer_list<Code> codes)
{
    const QString book = cells.pick(bookColumn);
    if (book != cells.pick(poolColumn))
        return;
    for (const Code code : codes) {
        if (book == codeText(code)) {
            cells.setPick(target, codeText(code));
            return;
        }
    }
}

// A grid's row through its operations.
class GridRowCells final : public ResultCells
{
public:
    GridRowCells(GridModel &grid, int row) : m_grid(grid), m_row(row) {}

    void setNumber(int column, QByteArrayView value) override
    {
        m_grid.SetCellText(column, m_row, cp1251::toUnicode(value));
    }
    void setPick(int column, const QString &code) override { m_grid.SetCellText(column, m_row, code); }
    QString pick(int column) const override { return m_grid.cellText(column, m_row); }

private:
    GridModel &m_grid;
    int m_row;
};

} // namespace

Cut CutAt(QByteArrayView text, QByteArrayView separator)
{
    // std::string_view's search looks for the first byte with memchr, quick
    // for the short separators here.
    const std::size_t found = std::string_view(text.data(), std::size_t(text.size()))
                                  .find(std::string_view(separator.data(), std::size_t(separator.size())));
    const qsizetype at = found == std::string_view::npos ? -1 : qsizetype(found);
    // Without a separator, rest starts as if one began a byte before the text.
    const qsizetype restBegin = at < 0 ? separator.size() - 1 : at + separator.size();
    return Cut{at < 0 ? QByteArrayView() : text.first(at),
               restBegin < text.size() ? text.sliced(restBegin) : QByteArrayView()};
}

QByteArrayView UpTo(QByteArrayView text, char c)
{
    const qsizetype at = text.indexOf(c);
    return at < 0 ? QByteArrayView() : text.first(at);
}

QString SinglePick(QByteArrayView v1, QByteArrayView vx, QByteArrayView v2)
{
    return codeText(picksOf({v1, vx, v2}).single);
}

QString DoubleChance(QByteArrayView v1, QByteArrayView vx, QByteArrayView v2)
{
    return codeText(picksOf({v1, vx, v2}).chance);
}

void ReadResultLines(QByteArrayView &workingText, std::optional<QByteArrayView> itog,
                     std::optional<QByteArrayView> itog2, ResultCells &cells)
{
    if (itog)
        workingText = *itog;
    readLine(workingText, kPoolLine, cells);
    if (itog2)
        workingText = *itog2;
    readLine(workingText, kBookLine, cells);
    setAgreement(cells, matchcol::OBB, matchcol::OBP, matchcol::AOB, {Code1, Code2, CodeX});
    setAgreement(cells, matchcol::DBB, matchcol::DBP, matchcol::ADB, {Code1X, Code2X, Code12});
}

void FillResultColumns(ResultLineState &state, QByteArrayView matchText, int row, GridModel &grid)
{
    // The working text may view matchText by now; it keeps its own copy,
    // also when a refused value ends the call.
    const auto keep = qScopeGuard([&state] {
        state.heldLine = state.workingText.toByteArray();
        state.workingText = state.heldLine;
    });
    FillResultLines(state, FindTag(matchText, "ITOG"), FindTag(matchText, "ITOG2"), row, grid);
}

void FillResultLines(ResultLineState &state, std::optional<QByteArrayView> itog,
                     std::optional<QByteArrayView> itog2, int row, GridModel &grid)
{
    GridRowCells cells(grid, row);
    ReadResultLines(state.workingText, itog, itog2, cells);
}
