#include "feeds/resultlines.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kExample = "40/35/25<br><b>38/30/32(17)</b>"_ba;

QByteArray pool(const QByteArray &line)
{
    return "<ITOG>" + line + "</ITOG>";
}

QByteArray book(const QByteArray &line)
{
    return "<ITOG2>" + line + "</ITOG2>";
}

// Columns 12 to 31 written as "12-15 | 16-19 | 20-22 | 23-25 | 26-31",
// "_" for an empty cell.
QStringList columns(const QString &layout)
{
    QStringList out;
    const QStringList words = layout.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (word != u"|")
            out.append(word == u"_" ? QString() : word);
    }
    return out;
}

QStringList resultCells(const GridModel &grid, int row)
{
    QStringList out;
    for (int column = matchcol::PoolJoint1; column <= matchcol::ADB; ++column)
        out.append(grid.cellText(column, row));
    return out;
}

GridModel makeGrid()
{
    return GridModel(matchGridColumns());
}

} // namespace

class ResultLinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutAt_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("rest");

        QTest::newRow("slash") << "38/30"_ba << "/"_ba << "38"_ba << "30"_ba;
        QTest::newRow("first of two") << "1/2/3"_ba << "/"_ba << "1"_ba << "2/3"_ba;
        QTest::newRow("at start") << "/30"_ba << "/"_ba << ""_ba << "30"_ba;
        QTest::newRow("at end") << "38/"_ba << "/"_ba << "38"_ba << ""_ba;
        QTest::newRow("missing one-byte separator keeps all") << "25<br>"_ba << "/"_ba << ""_ba << "25<br>"_ba;
        QTest::newRow("line at <b>") << kExample << "<b>"_ba << "40/35/25<br>"_ba << "38/30/32(17)</b>"_ba;
        QTest::newRow("missing <b> drops two bytes") << "38/30/32(17)"_ba << "<b>"_ba << ""_ba << "/30/32(17)"_ba;
        QTest::newRow("missing <b> in a short text") << "25"_ba << "<b>"_ba << ""_ba << ""_ba;
        QTest::newRow("missing <b> in three bytes") << "25<"_ba << "<b>"_ba << ""_ba << "<"_ba;
        QTest::newRow("empty text") << ""_ba << "<b>"_ba << ""_ba << ""_ba;
        QTest::newRow("separator only") << "<b>"_ba << "<b>"_ba << ""_ba << ""_ba;
    }

    void cutAt()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, separator);
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, rest);

        const Cut cut = CutAt(text, separator);
        QCOMPARE(cut.left.toByteArray(), left);
        QCOMPARE(cut.rest.toByteArray(), rest);
    }

    void upTo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("count") << "17)</b>"_ba << "17"_ba;
        QTest::newRow("missing") << "17"_ba << ""_ba;
        QTest::newRow("first") << "1)2)"_ba << "1"_ba;
    }

    void upTo()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(UpTo(text, ')').toByteArray(), expected);
    }

    void picks_data()
    {
        QTest::addColumn<QByteArray>("v1");
        QTest::addColumn<QByteArray>("vx");
        QTest::addColumn<QByteArray>("v2");
        QTest::addColumn<QString>("single");
        QTest::addColumn<QString>("chance");

        QTest::newRow("V1 > VX > V2") << "3"_ba << "2"_ba << "1"_ba << u"1"_s << u"1X"_s;
        QTest::newRow("V1 > V2 > VX") << "3"_ba << "1"_ba << "2"_ba << u"1"_s << u"12"_s;
        QTest::newRow("VX > V1 > V2") << "2"_ba << "3"_ba << "1"_ba << u"X"_s << u"1X"_s;
        QTest::newRow("VX > V2 > V1") << "1"_ba << "3"_ba << "2"_ba << u"X"_s << u"2X"_s;
        QTest::newRow("V2 > V1 > VX") << "2"_ba << "1"_ba << "3"_ba << u"2"_s << u"12"_s;
        QTest::newRow("V2 > VX > V1") << "1"_ba << "2"_ba << "3"_ba << u"2"_s << u"2X"_s;
        QTest::newRow("V1 = VX > V2") << "2"_ba << "2"_ba << "1"_ba << u"1"_s << u"1X"_s;
        QTest::newRow("V1 = V2 > VX") << "2"_ba << "1"_ba << "2"_ba << u"1"_s << u"12"_s;
        QTest::newRow("VX = V2 > V1") << "1"_ba << "2"_ba << "2"_ba << u"2"_s << u"2X"_s;
        QTest::newRow("V1 > VX = V2") << "2"_ba << "1"_ba << "1"_ba << u"1"_s << u"1X"_s;
        QTest::newRow("VX > V1 = V2") << "1"_ba << "2"_ba << "1"_ba << u"X"_s << u"1X"_s;
        QTest::newRow("V2 > V1 = VX") << "1"_ba << "1"_ba << "2"_ba << u"2"_s << u"2X"_s;
        QTest::newRow("V1 = VX = V2") << "1"_ba << "1"_ba << "1"_ba << u"1"_s << QString();
        QTest::newRow("9/45/46") << "9"_ba << "45"_ba << "46"_ba << u"1"_s << u"12"_s;
        QTest::newRow("045/45/10") << "045"_ba << "45"_ba << "10"_ba << u"X"_s << u"2X"_s;
        QTest::newRow("100/0/0") << "100"_ba << "0"_ba << "0"_ba << u"1"_s << u"1X"_s;
        QTest::newRow("33/33/33") << "33"_ba << "33"_ba << "33"_ba << u"1"_s << QString();
        QTest::newRow("all empty") << ""_ba << ""_ba << ""_ba << u"1"_s << QString();
        QTest::newRow("empty lowest") << ""_ba << "0"_ba << ""_ba << u"X"_s << u"1X"_s;
        QTest::newRow("8-bit byte highest") << "\xc0"_ba << "9"_ba << "1"_ba << u"1"_s << u"1X"_s;
        QTest::newRow("blank lowers a value") << " 50"_ba << "30"_ba << "20"_ba << u"X"_s << u"2X"_s;
    }

    void picks()
    {
        QFETCH(QByteArray, v1);
        QFETCH(QByteArray, vx);
        QFETCH(QByteArray, v2);
        QFETCH(QString, single);
        QFETCH(QString, chance);

        QCOMPARE(SinglePick(v1, vx, v2), single);
        QCOMPARE(DoubleChance(v1, vx, v2), chance);
    }

    // The rule lists against the plain statement of what they give: the
    // single pick is "1" when V1 is below neither other value, else "2" when
    // V2 is not below VX, else "X"; the double chance leaves out the lowest
    // outcome, "2" before "1" on a tie, and is none when all are equal.
    void picksMatchTheirStatement()
    {
        const QByteArray values[] = {""_ba, "1"_ba, "10"_ba, "2"_ba};
        for (const QByteArray &v1 : values) {
            for (const QByteArray &vx : values) {
                for (const QByteArray &v2 : values) {
                    const QString at = QString::fromLatin1("'" + v1 + "' '" + vx + "' '" + v2 + "'");
                    const QString single = v1 >= vx && v1 >= v2 ? u"1"_s : v2 >= vx ? u"2"_s : u"X"_s;
                    QVERIFY2(SinglePick(v1, vx, v2) == single, qPrintable(at));

                    const QByteArray low = std::min({v1, vx, v2});
                    const QString chance = v1 == vx && vx == v2 ? QString()
                        : v2 == low                             ? u"1X"_s
                        : v1 == low                             ? u"2X"_s
                                                                : u"12"_s;
                    QVERIFY2(DoubleChance(v1, vx, v2) == chance, qPrintable(at));
                }
            }
        }
    }

    void fillResultColumns_data()
    {
        QTest::addColumn<QByteArray>("before"); // a match filled into row 0 first
        QTest::addColumn<QByteArray>("match");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("error");

        QTest::newRow("worked example")
            << QByteArray() << pool(kExample) + book(kExample)
            << columns(u"38 30 32 17 | 38 30 32 17 | 40 35 25 | 40 35 25 | 1 12 1 1X 1 _"_s)
            << QString();
        QTest::newRow("lines in either order")
            << QByteArray() << book(kExample) + pool(kExample)
            << columns(u"38 30 32 17 | 38 30 32 17 | 40 35 25 | 40 35 25 | 1 12 1 1X 1 _"_s)
            << QString();
        QTest::newRow("33/33/33 gives no pool double chance")
            << QByteArray() << pool("33/33/33<br><b>38/30/32(17)</b>"_ba) + book(kExample)
            << columns(u"38 30 32 17 | 38 30 32 17 | 33 33 33 | 40 35 25 | 1 12 1 _ 1 _"_s)
            << QString();
        QTest::newRow("first match without ITOG")
            << QByteArray() << book(kExample)
            << columns(u"0 0 0 0 | 38 30 32 17 | 0 0 0 | 40 35 25 | 1 12 _ _ _ _"_s) << QString();
        QTest::newRow("first match with an empty ITOG")
            << QByteArray() << pool(""_ba) + book(kExample)
            << columns(u"0 0 0 0 | 38 30 32 17 | 0 0 0 | 40 35 25 | 1 12 _ _ _ _"_s) << QString();
        QTest::newRow("ITOG2 missing: leftover 25<br> writes nothing")
            << QByteArray() << pool(kExample)
            << columns(u"38 30 32 17 | 0 0 0 0 | 40 35 25 | 0 0 0 | _ _ 1 1X _ _"_s) << QString();
        QTest::newRow("ITOG missing after a full match")
            << pool(kExample) + book(kExample) << book("20/30/50<br><b>10/20/70(5)</b>"_ba)
            << columns(u"0 0 0 0 | 10 20 70 5 | 0 0 0 | 20 30 50 | 2 2X _ _ _ _"_s) << QString();
        QTest::newRow("leftover that still holds a triple")
            << QByteArray() << pool("1/2/3<10/20/70(5)<b>38/30/32(17)"_ba)
            << columns(u"38 30 32 17 | 10 20 70 5 | 1 2 3 | 0 0 0 | 2 2X 2 2X 2 2X"_s) << QString();
        QTest::newRow("both agree on 2")
            << QByteArray() << pool("20/30/50<br><b>1/1/1(1)</b>"_ba) + book("0/0/0<br><b>10/20/70(5)</b>"_ba)
            << columns(u"1 1 1 1 | 10 20 70 5 | 20 30 50 | 0 0 0 | 2 2X 2 2X 2 2X"_s) << QString();
        QTest::newRow("1 against X agree on nothing")
            << QByteArray() << pool("50/30/20<br><b>1/1/1(1)</b>"_ba) + book("0/0/0<br><b>20/50/30(5)</b>"_ba)
            << columns(u"1 1 1 1 | 20 50 30 5 | 50 30 20 | 0 0 0 | X 2X 1 1X _ _"_s) << QString();
        QTest::newRow("both agree on 12")
            << QByteArray() << pool("45/10/45<br><b>1/1/1(1)</b>"_ba) + book("0/0/0<br><b>40/20/40(5)</b>"_ba)
            << columns(u"1 1 1 1 | 40 20 40 5 | 45 10 45 | 0 0 0 | 1 12 1 12 1 12"_s) << QString();
        QTest::newRow("both agree on X only")
            << QByteArray() << pool("20/50/30<br><b>1/1/1(1)</b>"_ba) + book("0/0/0<br><b>30/40/30(5)</b>"_ba)
            << columns(u"1 1 1 1 | 30 40 30 5 | 20 50 30 | 0 0 0 | X 1X X 2X X _"_s) << QString();

        QTest::newRow("line without <b>")
            << QByteArray() << pool("38/30/32(17)"_ba) + book(kExample)
            << columns(u"0 0 0 0 | 0 0 0 0 | 0 0 0 | 0 0 0 | _ _ _ _ _ _"_s)
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("joint part without (")
            << QByteArray() << pool("40/35/25<br><b>38/30/32"_ba) + book(kExample)
            << columns(u"38 30 0 0 | 0 0 0 0 | 0 0 0 | 0 0 0 | _ _ _ _ _ _"_s)
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("joint part with a single /")
            << QByteArray() << pool("40/35/25<br><b>38/32(17)"_ba) + book(kExample)
            << columns(u"38 0 0 0 | 0 0 0 0 | 0 0 0 | 0 0 0 | _ _ _ _ _ _"_s)
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("separate V2 running into <b>")
            << QByteArray() << pool("40/35/25<b>38/30/32(17)"_ba) + book(kExample)
            << columns(u"38 30 32 17 | 0 0 0 0 | 40 35 0 | 0 0 0 | _ _ _ _ _ _"_s)
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("bad ITOG2 value keeps the pool's picks")
            << QByteArray() << pool(kExample) + book("40/35/25<br><b>38/30/3x(17)</b>"_ba)
            << columns(u"38 30 32 17 | 38 30 0 0 | 40 35 25 | 0 0 0 | _ _ 1 1X _ _"_s)
            << u"'3x' is not a valid floating point value"_s;
        QTest::newRow("bad separate ITOG2 value: no agreement")
            << QByteArray() << pool(kExample) + book("40/35/2,5<br><b>38/30/32(17)</b>"_ba)
            << columns(u"38 30 32 17 | 38 30 32 17 | 40 35 25 | 40 35 0 | 1 12 1 1X _ _"_s)
            << u"'2,5' is not a valid floating point value"_s;
        QTest::newRow("value widened from Windows-1251")
            << QByteArray() << pool("40/35/25<br><b>\xe4\xe2\xe0/30/32(17)</b>"_ba)
            << columns(u"0 0 0 0 | 0 0 0 0 | 0 0 0 | 0 0 0 | _ _ _ _ _ _"_s)
            << u"'два' is not a valid floating point value"_s;
    }

    void fillResultColumns()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, match);
        QFETCH(QStringList, expected);
        QFETCH(QString, error);
        QCOMPARE(expected.size(), 20);

        GridModel grid = makeGrid();
        grid.setDecimalSeparator(u'.');
        ResultLineState state;
        if (!before.isNull()) {
            grid.AppendRows(1);
            FillResultColumns(state, before, 0, grid);
        }
        const int row = grid.AppendRows(1);
        QString message;
        try {
            FillResultColumns(state, match, row, grid);
        } catch (const GridError &e) {
            message = e.message();
        }
        QCOMPARE(message, error);
        QCOMPARE(resultCells(grid, row), expected);
    }

    // The loader's entry with the lines already found must do the same.
    void fillResultLinesMatchesFillResultColumns()
    {
        const QByteArray matches[] = {
            pool(kExample) + book(kExample),
            book("20/30/50<br><b>10/20/70(5)</b>"_ba),
            pool("1/2/3<10/20/70(5)<b>38/30/32(17)"_ba),
            QByteArray(),
            pool("45/10/45<br><b>1/1/1(1)</b>"_ba),
        };
        GridModel byText = makeGrid();
        GridModel byLines = makeGrid();
        ResultLineState textState;
        ResultLineState linesState;
        for (const QByteArray &match : matches) {
            const int row = byText.AppendRows(1);
            byLines.AppendRows(1);
            FillResultColumns(textState, match, row, byText);

            std::optional<QByteArrayView> lines[2];
            const QByteArray names[] = {"ITOG"_ba, "ITOG2"_ba};
            for (int i = 0; i < 2; ++i) {
                const qsizetype open = match.indexOf('<' + names[i] + '>');
                if (open >= 0) {
                    const qsizetype from = open + names[i].size() + 2;
                    const qsizetype close = match.indexOf("</" + names[i] + '>', from);
                    if (close >= 0)
                        lines[i] = QByteArrayView(match).sliced(from, close - from);
                }
            }
            FillResultLines(linesState, lines[0], lines[1], row, byLines);
            QCOMPARE(resultCells(byLines, row), resultCells(byText, row));
            QCOMPARE(linesState.workingText.toByteArray(), textState.workingText.toByteArray());
        }
    }

    void workingTextAfterTheCuts()
    {
        GridModel grid = makeGrid();
        grid.AppendRows(1);
        ResultLineState state;
        FillResultColumns(state, pool(kExample), 0, grid);
        // ITOG's cuts leave 25<br>; ITOG2 then cuts that at "<b>" to nothing.
        QCOMPARE(state.workingText.toByteArray(), QByteArray());

        const QByteArray unchanged = "unchanged"_ba;
        state.workingText = unchanged;
        grid.AppendRows(1);
        FillResultColumns(state, book(kExample), 1, grid);
        QCOMPARE(state.workingText.toByteArray(), "25<br>"_ba);
    }
};

QTEST_GUILESS_MAIN(ResultLinesTest)
#include "tst_resultlines.moc"
