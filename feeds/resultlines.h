#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class GridModel;

// Takes a match's two result lines, ITOG (the pool's) and ITOG2 (the
// bookmaker's), apart into columns 12 to 25 and makes the picks of 26 to 31.
// A line reads "V1/VX/V2<br><b>V1/VX/V2(count)</b>": the separate triple,
// then after "<b>" the joint one. Values stay 8-bit texts until they are
// widened for their cells.

// What one load carries from match to match; made empty when a load starts
// and never reset within it.
struct ResultLineState
{
    // The last line read, as the cuts left it: a view of the line's text, in
    // the feed or in heldLine. A match that lacks a line works on this
    // leftover instead.
    QByteArrayView workingText;
    // FillResultColumns' copy of the last line it found.
    QByteArray heldLine;
};

// Where a match's result values go: the cells of its row.
class ResultCells
{
public:
    virtual ~ResultCells() = default;
    // A number column's value as the feed gives it; throws GridError when
    // the column refuses it.
    virtual void setNumber(int column, QByteArrayView value) = 0;
    // A pick column's code.
    virtual void setPick(int column, const QString &code) = 0;
    // A pick column's text as it stands.
    virtual QString pick(int column) const = 0;
};

struct Cut
{
    QByteArrayView left;
    QByteArrayView rest;
};

// left: the text before the first separator; rest: the text after it. When
// the separator is missing, left is empty and rest starts where the text's
// separator-sized head ends: the whole text for "/", from its third byte for
// "<b>".
Cut CutAt(QByteArrayView text, QByteArrayView separator);

// The text before the first c; empty when there is no c.
QByteArrayView UpTo(QByteArrayView text, char c);

// "1", "X" or "2" under the text order of the values.
QString SinglePick(QByteArrayView v1, QByteArrayView vx, QByteArrayView v2);
// "1X", "2X", "12", or empty when all three values are equal.
QString DoubleChance(QByteArrayView v1, QByteArrayView vx, QByteArrayView v2);

// Fills columns 12 to 31 of row from the ITOG and ITOG2 elements of
// matchText. A value a number column refuses throws GridError; the cells set
// before it stay.
void FillResultColumns(ResultLineState &state, QByteArrayView matchText, int row, GridModel &grid);

// The same with the two elements already found (views that must outlive the
// state's use of them); nothing for a missing one.
void FillResultLines(ResultLineState &state, std::optional<QByteArrayView> itog,
                     std::optional<QByteArrayView> itog2, int row, GridModel &grid);

// The same into any cells: the steps of both lines and the agreement.
void ReadResultLines(QByteArrayView &workingText, std::optional<QByteArrayView> itog,
                     std::optional<QByteArrayView> itog2, ResultCells &cells);
