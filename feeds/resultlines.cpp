#include "feeds/resultlines.h"

#include "grid/cp1251.h"
#include "feeds/tagreader.h"
#include "feeds/textorder.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QStringView>

#include <algorithm>
#include <array>

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

struct Rule
{
    std::array<Condition, 3> conditions;
    QStringView value;
};

constexpr Relation Gt = Relation::Greater;
constexpr Relation Ge = Relation::AtLeast;
constexpr Relation Eq = Relation::Equal;

constexpr Rule kSingleRules[] = {
    {{{{V1, Gt, VX}, {V1, Ge, V2}}}, u"1"},
    {{{{V2, Gt, VX}, {V2, Gt, V1}}}, u"2"},
    {{{{VX, Gt, V1}, {VX, Gt, V2}}}, u"X"},
    {{{{V1, Gt, V2}, {V1, Gt, VX}}}, u"1"},
    {{{{V2, Gt, V1}, {V2, Gt, VX}}}, u"2"},
    {{{{V1, Eq, VX}, {V1, Gt, V2}}}, u"1"},
    {{{{V2, Eq, VX}, {V2, Gt, V1}}}, u"2"},
    {{{{V1, Eq, VX}, {V1, Eq, V2}}}, u"1"},
};

constexpr Rule kDoubleRules[] = {
    {{{{V1, Gt, VX}, {V1, Gt, V2}, {VX, Gt, V2}}}, u"1X"},
    {{{{V2, Gt, VX}, {V2, Gt, V1}, {VX, Gt, V1}}}, u"2X"},
    {{{{V1, Gt, VX}, {V2, Gt, VX}}}, u"12"},
    {{{{VX, Gt, V1}, {V1, Gt, V2}, {VX, Gt, V2}}}, u"1X"},
    {{{{VX, Gt, V1}, {V2, Gt, V1}, {VX, Gt, V2}}}, u"2X"},
    {{{{V1, Eq, V2}, {V1, Gt, VX}}}, u"12"},
    {{{{V1, Eq, V2}, {V2, Gt, VX}}}, u"12"},
    {{{{V1, Eq, VX}, {V1, Gt, V2}}}, u"1X"},
    {{{{V2, Eq, VX}, {V2, Gt, V1}}}, u"2X"},
    {{{{V1, Gt, VX}, {VX, Eq, V2}}}, u"1X"},
    {{{{V2, Gt, VX}, {VX, Eq, V1}}}, u"2X"},
    {{{{VX, Gt, V1}, {V1, Eq, V2}}}, u"1X"},
};

using Triple = std::array<QByteArrayView, 3>;

bool holds(const Condition &condition, const Triple &values)
{
    if (condition.relation == Relation::Always)
        return true;
    const auto order = compareText(values[condition.left], values[condition.right]);
    switch (condition.relation) {
    case Relation::Always:
        break;
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
QString applyRules(const Rule (&rules)[N], const Triple &values)
{
    QStringView result;
    for (const Rule &rule : rules) {
        if (std::all_of(rule.conditions.begin(), rule.conditions.end(),
                        [&](const Condition &c) { return holds(c, values); }))
            result = rule.value;
    }
    return result.toString();
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

void setValues(GridModel &grid, int row, int firstColumn, std::initializer_list<QByteArrayView> values)
{
    int column = firstColumn;
    for (QByteArrayView value : values)
        grid.SetCellText(column++, row, cp1251::toUnicode(value));
}

void setPicks(GridModel &grid, int row, const LineColumns &line, const Triple &t)
{
    grid.SetCellText(line.singlePick, row, SinglePick(t[V1], t[VX], t[V2]));
    const QString chance = DoubleChance(t[V1], t[VX], t[V2]);
    if (!chance.isEmpty())
        grid.SetCellText(line.doubleChance, row, chance);
}

// Takes the working text apart as one line: the separate part before "<b>"
// becomes the working text, the joint part after it is read, then the
// separate part is cut in place.
void readLine(ResultLineState &state, const LineColumns &line, int row, GridModel &grid)
{
    const QByteArray text = std::move(state.workingText);
    const auto [separate, joint] = CutAt(text, "<b>");
    state.workingText = separate.toByteArray();

    if (joint.contains('/')) {
        const Cut first = CutAt(joint, "/");
        const Cut second = CutAt(first.rest, "/");
        const Cut third = CutAt(second.rest, "(");
        const Triple triple{first.left, second.left, third.left};
        setValues(grid, row, line.joint, {first.left, second.left, third.left, UpTo(third.rest, ')')});
        if (line.picksFromJoint)
            setPicks(grid, row, line, triple);
    }

    if (separate.contains('/')) {
        const Cut first = CutAt(separate, "/");
        const Cut second = CutAt(first.rest, "/");
        // V2 ends at "<", but the working text keeps what the two cuts left.
        const Triple triple{first.left, second.left, UpTo(second.rest, '<')};
        state.workingText = second.rest.toByteArray();
        setValues(grid, row, line.separate, {triple[V1], triple[VX], triple[V2]});
        if (!line.picksFromJoint)
            setPicks(grid, row, line, triple);
    }
}

// The pick both sides agree on, or nothing.
void setAgreement(GridModel &grid, int row, int bookColumn, int poolColumn, int target,
                  std::initializer_list<QStringView> codes)
{
    const QString book = grid.cellText(bookColumn, row);
    const QString pool = grid.cellText(poolColumn, row);
    if (book == pool && std::find(codes.begin(), codes.end(), QStringView(book)) != codes.end())
        grid.SetCellText(target, row, book);
}

void setAgreements(GridModel &grid, int row)
{
    setAgreement(grid, row, matchcol::OBB, matchcol::OBP, matchcol::AOB, {u"1", u"2", u"X"});
    setAgreement(grid, row, matchcol::DBB, matchcol::DBP, matchcol::ADB, {u"1X", u"2X", u"12"});
}

} // namespace

Cut CutAt(QByteArrayView text, QByteArrayView separator)
{
    const qsizetype at = text.indexOf(separator);
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
    return applyRules(kSingleRules, {v1, vx, v2});
}

QString DoubleChance(QByteArrayView v1, QByteArrayView vx, QByteArrayView v2)
{
    return applyRules(kDoubleRules, {v1, vx, v2});
}

void FillResultColumns(ResultLineState &state, QByteArrayView matchText, int row, GridModel &grid)
{
    ExtractTag(matchText, "ITOG", state.workingText);
    readLine(state, kPoolLine, row, grid);
    ExtractTag(matchText, "ITOG2", state.workingText);
    readLine(state, kBookLine, row, grid);
    setAgreements(grid, row);
}

void FillResultLines(ResultLineState &state, std::optional<QByteArrayView> itog,
                     std::optional<QByteArrayView> itog2, int row, GridModel &grid)
{
    if (itog)
        state.workingText = itog->toByteArray();
    readLine(state, kPoolLine, row, grid);

    if (itog2)
        state.workingText = itog2->toByteArray();
    readLine(state, kBookLine, row, grid);
    setAgreements(grid, row);
}
