#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString text(const GridModel &grid, int column, int row)
{
    QString out = u"<unset>"_s;
    grid.GetCellText(column, row, out);
    return out;
}

} // namespace

class GridModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newRowStartsWithKindDefaults()
    {
        GridModel grid(matchGridColumns());
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid.AppendRows(1), 0);
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(text(grid, 0, 0), u"0"_s);
        QCOMPARE(grid.imageIndex(0, 0), 0);
        for (int c = 1; c <= 5; ++c)
            QCOMPARE(text(grid, c, 0), QString());
        for (int c = 6; c <= 25; ++c)
            QCOMPARE(text(grid, c, 0), u"0"_s);
        for (int c = 26; c <= 31; ++c)
            QCOMPARE(text(grid, c, 0), QString());
        QCOMPARE(grid.hint(0, 0), QString());
    }

    void appendRowsIgnoresCountBelowOne_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("zero") << 0;
        QTest::newRow("minus one") << -1;
    }

    void appendRowsIgnoresCountBelowOne()
    {
        QFETCH(int, count);
        GridModel grid(matchGridColumns());
        grid.AppendRows(2);
        QSignalSpy inserted(&grid, &QAbstractItemModel::rowsInserted);
        grid.AppendRows(count);
        QCOMPARE(grid.RowCount(), 2);
        QCOMPARE(inserted.count(), 0);
    }

    void outOfRangeCellsAreIgnored_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("row == RowCount") << 4 << 1;
        QTest::newRow("column 32") << 32 << 0;
        QTest::newRow("negative row") << 4 << -1;
        QTest::newRow("negative column") << -1 << 0;
    }

    void outOfRangeCellsAreIgnored()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        GridModel grid(matchGridColumns());
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.AppendRows(1);
        grid.SetCellText(4, 0, u"Home"_s);
        QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
        grid.SetCellText(column, row, u"not a number"_s); // no throw, nothing written
        QCOMPARE(changed.count(), 0);
        QString target = u"kept"_s;
        QVERIFY(!grid.GetCellText(column, row, target));
        QCOMPARE(target, u"kept"_s);
        QCOMPARE(grid.cellText(column, row), QString());
        QCOMPARE(text(grid, 4, 0), u"Home"_s);
        QCOMPARE(grid.cellText(4, 0), u"Home"_s);
    }

    // The error box quotes a refused value up to 200 characters, then "…".
    void refusedValueQuotedUpTo200Characters_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("200") << 200 << QString(200, u'z');
        QTest::newRow("201") << 201 << QString(200, u'z') + u'\u2026';
        QTest::newRow("a million") << 1000000 << QString(200, u'z') + u'\u2026';
    }

    void refusedValueQuotedUpTo200Characters()
    {
        QFETCH(int, length);
        QFETCH(QString, quoted);
        GridModel grid(matchGridColumns());
        grid.AppendRows(1);
        try {
            grid.SetCellText(matchcol::Pool1, 0, QString(length, u'z'));
            QFAIL("no error");
        } catch (const GridError &e) {
            QCOMPARE(e.message(), u"'%1' is not a valid floating point value"_s.arg(quoted));
        }
    }

    void numberCellsReadBackInGeneralFormat_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        QTest::newRow("45") << QChar(u'.') << u"45"_s << u"45"_s;
        QTest::newRow("045") << QChar(u'.') << u"045"_s << u"45"_s;
        QTest::newRow("blanks") << QChar(u'.') << u" 45 "_s << u"45"_s;
        QTest::newRow("12.50") << QChar(u'.') << u"12.50"_s << u"12.5"_s;
        QTest::newRow("12,50 comma") << QChar(u',') << u"12,50"_s << u"12,5"_s;
        QTest::newRow("scientific") << QChar(u'.') << u"1E-6"_s << u"1E-6"_s;
    }

    void numberCellsReadBackInGeneralFormat()
    {
        QFETCH(QChar, separator);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        GridModel grid(matchGridColumns());
        grid.setDecimalSeparator(separator);
        grid.AppendRows(1);
        grid.SetCellText(matchcol::Pool1, 0, input);
        QCOMPARE(text(grid, matchcol::Pool1, 0), shown);
        QCOMPARE(grid.data(grid.index(0, matchcol::Pool1)).toString(), shown);
    }

    void refusedNumberKeepsValueAndNamesText_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << QChar(u'.') << QString();
        QTest::newRow("abc") << QChar(u'.') << u"abc"_s;
        QTest::newRow("45%") << QChar(u'.') << u"45%"_s;
        QTest::newRow("point on comma desktop") << QChar(u',') << u"12.5"_s;
    }

    void refusedNumberKeepsValueAndNamesText()
    {
        QFETCH(QChar, separator);
        QFETCH(QString, input);
        GridModel grid(matchGridColumns());
        grid.setDecimalSeparator(separator);
        grid.AppendRows(1);
        grid.SetCellText(matchcol::Book1, 0, u"33"_s);
        try {
            grid.SetCellText(matchcol::Book1, 0, input);
            QFAIL("no conversion error");
        } catch (const GridError &error) {
            QCOMPARE(error.message(), u"'%1' is not a valid floating point value"_s.arg(input));
        }
        QCOMPARE(text(grid, matchcol::Book1, 0), u"33"_s);
    }

    void textCellsKeepTextUnchanged()
    {
        GridModel grid(matchGridColumns());
        grid.AppendRows(1);
        const QString odd = u"  <b>Спартак</b> &amp;\n"_s;
        grid.SetCellText(matchcol::Home, 0, odd);
        QCOMPARE(text(grid, matchcol::Home, 0), odd);
    }

    void imageCellsAndHints()
    {
        GridModel grid(matchGridColumns());
        grid.AppendRows(1);
        grid.SetCellImageIndex(grid.CellAt(0, 0), 1);
        grid.SetCellHint(grid.CellAt(0, 0), u"NHL Hockey"_s);
        QCOMPARE(text(grid, 0, 0), u"1"_s);
        QCOMPARE(grid.data(grid.index(0, 0), GridModel::ImageIndexRole).toInt(), 1);
        QCOMPARE(grid.data(grid.index(0, 0), GridModel::HintRole).toString(), u"NHL Hockey"_s);
        grid.SetCellText(0, 0, QString());
        QCOMPARE(grid.imageIndex(0, 0), 0);
        QVERIFY_THROWS_EXCEPTION(GridError, grid.SetCellText(0, 0, u"x"_s));
    }

    void columnVisibilityChangesOnlyOnChange()
    {
        GridModel grid(matchGridColumns());
        QSignalSpy spy(&grid, &GridModel::columnVisibilityChanged);
        grid.SetColumnVisible(grid.ColumnAt(27), true);
        QCOMPARE(spy.count(), 0);
        grid.SetColumnVisible(grid.ColumnAt(27), false);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!grid.isColumnVisible(27));
    }

    void startVisibility()
    {
        GridModel grid(matchGridColumns());
        QCOMPARE(grid.columnCount(), 32);
        for (int c = 0; c < 32; ++c)
            QCOMPARE(grid.isColumnVisible(c), c <= 11 || c == 27);
    }

    void sortingReordersRows_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("homes");
        // Pool 1 sorts by value: "9" < "45" < "100", unlike text order.
        QTest::newRow("number ascending") << int(matchcol::Pool1) << int(Qt::AscendingOrder)
                                          << QStringList{u"b"_s, u"c"_s, u"a"_s};
        QTest::newRow("number descending") << int(matchcol::Pool1) << int(Qt::DescendingOrder)
                                           << QStringList{u"a"_s, u"c"_s, u"b"_s};
        QTest::newRow("text") << int(matchcol::Home) << int(Qt::AscendingOrder)
                              << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("image") << int(matchcol::Sport) << int(Qt::DescendingOrder)
                               << QStringList{u"c"_s, u"a"_s, u"b"_s};
    }

    void sortingReordersRows()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, homes);
        GridModel grid(matchGridColumns());
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QStringList home{u"a"_s, u"b"_s, u"c"_s};
        const QStringList pool{u"100"_s, u"9"_s, u"45"_s};
        grid.AppendRows(3);
        for (int r = 0; r < 3; ++r) {
            grid.SetCellText(matchcol::Home, r, home[r]);
            grid.SetCellText(matchcol::Pool1, r, pool[r]);
        }
        grid.SetCellImageIndex(grid.CellAt(0, 2), 1);
        grid.SetCellHint(grid.CellAt(0, 2), u"hint of c"_s);
        grid.sort(column, Qt::SortOrder(order));
        QStringList got;
        for (int r = 0; r < 3; ++r)
            got << text(grid, matchcol::Home, r);
        QCOMPARE(got, homes);
        const int rowOfC = int(got.indexOf(u"c"_s));
        QCOMPARE(grid.hint(0, rowOfC), u"hint of c"_s); // cells travel with their row

        grid.AppendRows(1); // not sorted into place
        QCOMPARE(text(grid, matchcol::Home, 3), QString());
    }

    void removeAllRowsKeepsColumns()
    {
        GridModel grid(matchGridColumns());
        grid.AppendRows(3);
        grid.SetColumnVisible(grid.ColumnAt(30), true);
        grid.RemoveAllRows();
        QCOMPARE(grid.RowCount(), 0);
        QVERIFY(grid.isColumnVisible(30));
    }
};

QTEST_GUILESS_MAIN(GridModelTest)
#include "tst_gridmodel.moc"
