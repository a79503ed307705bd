#include "grid/gridlayouts.h"
#include "grid/gridrows.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Image, number, text: one column of each kind.
QList<ColumnSpec> threeKinds()
{
    ColumnSpec image;
    image.kind = CellKind::Image;
    ColumnSpec number;
    number.kind = CellKind::Number;
    ColumnSpec text;
    text.kind = CellKind::Text;
    return {image, number, text};
}

// A row as "image|number|text|hint of column 0".
QString rowText(const GridRows &rows, int row)
{
    return u"%1|%2|%3|%4"_s.arg(rows.image(0, row)).arg(rows.number(1, row)).arg(rows.text(2, row),
                                                                                  rows.hint(0, row));
}

void setRow(GridRows &rows, int row, int image, double number, const QString &text, const QString &hint)
{
    rows.setImage(0, row, image);
    rows.setNumber(1, row, number);
    rows.setText(2, row, text);
    rows.setHint(0, row, hint);
}

} // namespace

class GridRowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newRowsStartEmpty()
    {
        GridRows rows(threeKinds());
        rows.append(0);
        rows.append(-1);
        QCOMPARE(rows.size(), 0);
        rows.append(2);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rowText(rows, 1), u"0|0||"_s);
        QCOMPARE(rows.hint(2, 1), QString());
    }

    // Rows handed over keep their cells and hints, whichever side had hints.
    void appendRowsOfAnother_data()
    {
        QTest::addColumn<bool>("hintsBefore");
        QTest::addColumn<bool>("hintsAfter");
        QTest::newRow("hints on both sides") << true << true;
        QTest::newRow("hints only before") << true << false;
        QTest::newRow("hints only after") << false << true;
    }

    void appendRowsOfAnother()
    {
        QFETCH(bool, hintsBefore);
        QFETCH(bool, hintsAfter);
        GridRows rows(threeKinds());
        rows.append(2);
        setRow(rows, 0, 1, 1.5, u"a"_s, hintsBefore ? u"h0"_s : QString());
        setRow(rows, 1, 0, 2.5, u"b"_s, QString());
        GridRows more(threeKinds());
        more.append(1);
        setRow(more, 0, 1, 3.5, u"c"_s, hintsAfter ? u"h2"_s : QString());
        rows.append(std::move(more));
        QCOMPARE(more.size(), 0);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rowText(rows, 0), hintsBefore ? u"1|1.5|a|h0"_s : u"1|1.5|a|"_s);
        QCOMPARE(rowText(rows, 1), u"0|2.5|b|"_s);
        QCOMPARE(rowText(rows, 2), hintsAfter ? u"1|3.5|c|h2"_s : u"1|3.5|c|"_s);
    }

    void appendIntoEmpty()
    {
        GridRows rows(threeKinds());
        GridRows more(threeKinds());
        more.append(1);
        setRow(more, 0, 1, 7, u"x"_s, u"h"_s);
        rows.append(std::move(more));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(more.size(), 0);
        QCOMPARE(rowText(rows, 0), u"1|7|x|h"_s);
    }

    // A copied row shares its text rather than copying it.
    void copyCellsSharesText()
    {
        GridRows rows(threeKinds());
        rows.append(2);
        setRow(rows, 0, 1, 4, QString(1000, u'z'), u"h"_s);
        rows.copyCells(0, 1, 0, 2);
        QCOMPARE(rowText(rows, 1), rowText(rows, 0));
        QCOMPARE(rows.text(2, 1).constData(), rows.text(2, 0).constData());
    }

    // A row appended as a copy reads as its source, and a change to either,
    // by any setter, leaves the other as it was.
    void appendCopySharesUntilChanged_data()
    {
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("cell"); // 0 image, 1 number, 2 text, 3 hint, 4 hint of an unhinted column
        QTest::addColumn<QString>("after");
        const QString source = u"1|4|t|h"_s;
        QTest::newRow("image of the copy") << 2 << 0 << u"9|4|t|h"_s;
        QTest::newRow("number of the copy") << 2 << 1 << u"1|9|t|h"_s;
        QTest::newRow("text of the copy") << 2 << 2 << u"1|4|9|h"_s;
        QTest::newRow("hint of the copy") << 2 << 3 << u"1|4|t|9"_s;
        QTest::newRow("first hint of another column") << 2 << 4 << source;
        QTest::newRow("image of the source") << 1 << 0 << u"9|4|t|h"_s;
        QTest::newRow("text of the source") << 1 << 2 << u"1|4|9|h"_s;
    }

    void appendCopySharesUntilChanged()
    {
        QFETCH(int, changed);
        QFETCH(int, cell);
        QFETCH(QString, after);
        GridRows rows(threeKinds());
        rows.append(2);
        setRow(rows, 0, 0, 1, u"a"_s, QString());
        setRow(rows, 1, 1, 4, u"t"_s, u"h"_s);
        rows.appendCopy(1);
        rows.appendCopy(2);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rowText(rows, 3), u"1|4|t|h"_s);

        switch (cell) {
        case 0: rows.setImage(0, changed, 9); break;
        case 1: rows.setNumber(1, changed, 9); break;
        case 2: rows.setText(2, changed, u"9"_s); break;
        case 3: rows.setHint(0, changed, u"9"_s); break;
        case 4: rows.setHint(2, changed, u"9"_s); break;
        }
        QCOMPARE(rowText(rows, changed), after);
        QCOMPARE(rows.hint(2, changed), cell == 4 ? u"9"_s : QString());
        for (int other = 1; other < 4; ++other) {
            if (other == changed)
                continue;
            QCOMPARE(rowText(rows, other), u"1|4|t|h"_s);
            QCOMPARE(rows.hint(2, other), QString());
        }
        QCOMPARE(rowText(rows, 0), u"0|1|a|"_s);
    }

    // Copying cells between rows that share them, sorting them and handing
    // them over keep every row as it reads.
    void sharedRowsMoveAndCopy()
    {
        GridRows rows(threeKinds());
        rows.append(1);
        setRow(rows, 0, 1, 4, u"t"_s, u"h"_s);
        rows.appendCopy(0);
        rows.copyCells(0, 1, 0, 2);
        QCOMPARE(rowText(rows, 1), u"1|4|t|h"_s);

        GridRows more(threeKinds());
        more.append(1);
        setRow(more, 0, 2, 5, u"u"_s, QString());
        more.appendCopy(0);
        rows.append(std::move(more));
        QCOMPARE(rows.size(), 4);
        rows.reorder({3, 0, 2, 1});
        rows.setText(2, 0, u"v"_s);
        QCOMPARE(rowText(rows, 0), u"2|5|v|"_s);
        QCOMPARE(rowText(rows, 1), u"1|4|t|h"_s);
        QCOMPARE(rowText(rows, 2), u"2|5|u|"_s);
        QCOMPARE(rowText(rows, 3), u"1|4|t|h"_s);
    }

    void reorder()
    {
        GridRows rows(threeKinds());
        rows.append(3);
        setRow(rows, 0, 0, 1, u"a"_s, u"h0"_s);
        setRow(rows, 1, 1, 2, u"b"_s, QString());
        setRow(rows, 2, 0, 3, u"c"_s, u"h2"_s);
        rows.reorder({2, 0, 1});
        QCOMPARE(rowText(rows, 0), u"0|3|c|h2"_s);
        QCOMPARE(rowText(rows, 1), u"0|1|a|h0"_s);
        QCOMPARE(rowText(rows, 2), u"1|2|b|"_s);
    }

    // The match grid's 32 columns take a number, a text or an index each.
    void matchGridKinds()
    {
        GridRows rows(matchGridColumns());
        QCOMPARE(rows.columnCount(), matchcol::Count);
        QCOMPARE(rows.kind(matchcol::Sport), CellKind::Image);
        QCOMPARE(rows.kind(matchcol::Home), CellKind::Text);
        QCOMPARE(rows.kind(matchcol::Pool1), CellKind::Number);
        QCOMPARE(rows.kind(matchcol::ADB), CellKind::Text);
    }
};

QTEST_GUILESS_MAIN(GridRowsTest)
#include "tst_gridrows.moc"
