#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "views/gridtextproxy.h"
#include "views/gridview.h"

#include <QAbstractItemModelTester>

#include <QAction>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A shown match grid with three rows whose Pool 1 values are 100, 9, 45.
struct Fixture
{
    GridModel model{matchGridColumns()};
    GridView view;

    Fixture()
    {
        model.setDecimalSeparator(u'.');
        model.AppendRows(3);
        const QStringList homes{u"Alpha"_s, u"Bravo"_s, u"Charlie"_s};
        const QStringList pool{u"100"_s, u"9"_s, u"45"_s};
        for (int r = 0; r < 3; ++r) {
            model.SetCellText(matchcol::Home, r, homes[r]);
            model.SetCellText(matchcol::Pool1, r, pool[r]);
        }
        view.setGridModel(&model);
        view.resize(671, 293);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    QPoint centre(int column, int row) const
    {
        return view.visualRect(model.index(row, column)).center();
    }

    QString home(int row) const { return model.cellText(matchcol::Home, row); }
};

} // namespace

class GridViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickFiresOnlyForPressAndReleaseOnOneCell_data()
    {
        QTest::addColumn<int>("pressColumn");
        QTest::addColumn<int>("pressRow");
        QTest::addColumn<int>("releaseColumn");
        QTest::addColumn<int>("releaseRow");
        QTest::addColumn<bool>("fires");
        QTest::newRow("same cell") << 4 << 1 << 4 << 1 << true;
        QTest::newRow("picture cell") << 0 << 2 << 0 << 2 << true;
        QTest::newRow("other column") << 4 << 1 << 5 << 1 << false;
        QTest::newRow("other row") << 4 << 1 << 4 << 2 << false;
    }

    void clickFiresOnlyForPressAndReleaseOnOneCell()
    {
        QFETCH(int, pressColumn);
        QFETCH(int, pressRow);
        QFETCH(int, releaseColumn);
        QFETCH(int, releaseRow);
        QFETCH(bool, fires);
        Fixture f;
        QSignalSpy clicks(&f.view, &GridView::cellClicked);
        QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, f.centre(pressColumn, pressRow));
        QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {},
                            f.centre(releaseColumn, releaseRow));
        QCOMPARE(clicks.count(), fires ? 1 : 0);
        if (fires)
            QCOMPARE(clicks.first(), (QVariantList{pressColumn, pressRow}));
    }

    void otherButtonsAndEmptyAreaFireNothing()
    {
        Fixture f;
        QSignalSpy clicks(&f.view, &GridView::cellClicked);
        QTest::mouseClick(f.view.viewport(), Qt::RightButton, {}, f.centre(4, 0));
        QTest::mouseClick(f.view.viewport(), Qt::MiddleButton, {}, f.centre(4, 0));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, QPoint(50, 250)); // below the rows
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.centre(4, 0));
        QCOMPARE(clicks.count(), 1);
    }

    void headerClicksSortThenFlip()
    {
        Fixture f;
        QSignalSpy clicks(&f.view, &GridView::cellClicked);
        QHeaderView *header = f.view.horizontalHeader();
        const QPoint pool1(header->sectionViewportPosition(matchcol::Pool1) + 5, 9);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pool1);
        QCOMPARE(clicks.count(), 0); // the header is not a cell
        QCOMPARE((QStringList{f.home(0), f.home(1), f.home(2)}),
                 (QStringList{u"Bravo"_s, u"Charlie"_s, u"Alpha"_s}));

        // Rows follow the shown order: the first shown row is row 0.
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.centre(matchcol::Home, 0));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().at(1).toInt(), 0);
        QCOMPARE(f.home(clicks.first().at(1).toInt()), u"Bravo"_s);

        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pool1);
        QCOMPARE(f.view.sortOrder(), Qt::DescendingOrder);
        QCOMPARE(f.home(0), u"Alpha"_s);

        const QPoint home(header->sectionViewportPosition(matchcol::Home) + 5, 9);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, home);
        QCOMPARE(f.view.sortColumn(), int(matchcol::Home));
        QCOMPARE(f.view.sortOrder(), Qt::AscendingOrder);
        QCOMPARE(f.home(0), u"Alpha"_s);
    }

    void hints_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cellHint");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("overCell");
        const QString longName = u"Borussia Mönchengladbach & <b>Friends</b>"_s;
        QTest::newRow("cut text, fit flag") << int(matchcol::Home) << longName << QString()
                                            << longName << true;
        QTest::newRow("short text, no hint") << int(matchcol::Home) << u"Ajax"_s << QString()
                                             << QString() << false;
        QTest::newRow("picture with league") << int(matchcol::Sport) << QString()
                                             << u"NHL Hockey"_s << u"NHL Hockey"_s << false;
        QTest::newRow("picture with empty hint") << int(matchcol::Sport) << QString() << QString()
                                                 << QString() << false;
    }

    void hints()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, cellHint);
        QFETCH(QString, shown);
        QFETCH(bool, overCell);
        Fixture f;
        if (column != matchcol::Sport)
            f.model.SetCellText(column, 0, text);
        f.model.SetCellHint(f.model.CellAt(column, 0), cellHint);
        const GridView::Hint hint = f.view.hintAt(f.centre(column, 0));
        QCOMPARE(hint.text, shown);
        QCOMPARE(hint.overCell, overCell);
        QCOMPARE(f.view.hintAt(QPoint(50, 250)).text, QString()); // outside the data rows
    }

    void columnsFollowModelVisibility()
    {
        Fixture f;
        QVERIFY(!f.view.isColumnHidden(matchcol::DBB));
        QVERIFY(f.view.isColumnHidden(matchcol::AOB));
        f.model.SetColumnVisible(f.model.ColumnAt(matchcol::AOB), true);
        QVERIFY(!f.view.isColumnHidden(matchcol::AOB));
        QCOMPARE(f.view.columnWidth(matchcol::Home), 104);
        QVERIFY(f.view.horizontalHeader()->sectionsMovable());
    }

    // The texts the view adds pass the model through unchanged otherwise.
    void textProxyAddsNamesAndHelp()
    {
        Fixture f;
        QAbstractItemModelTester tester(f.view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.model.SetCellImageIndex(f.model.CellAt(matchcol::Sport, 1), 1);
        f.view.setImages({}, {u"Football"_s, u"Hockey"_s});
        f.view.texts()->setHeaderNames({u"Sport"_s});
        f.view.texts()->setHeaderHelp({u"What <b> means"_s, u"Number"_s});

        const QAbstractItemModel *shown = f.view.model();
        QCOMPARE(shown->index(1, matchcol::Sport).data(Qt::AccessibleTextRole).toString(), u"Hockey"_s);
        QCOMPARE(shown->index(0, matchcol::Sport).data(Qt::AccessibleTextRole).toString(), u"Football"_s);
        QCOMPARE(shown->index(0, matchcol::Home).data().toString(), u"Alpha"_s);
        QCOMPARE(f.view.texts()->cellText(shown->index(1, matchcol::Sport)), u"Hockey"_s);
        QCOMPARE(f.view.texts()->cellText(shown->index(2, matchcol::Home)), u"Charlie"_s);
        QCOMPARE(f.view.texts()->headerName(matchcol::Sport), u"Sport"_s);
        QCOMPARE(f.view.texts()->headerName(matchcol::Home), u"Home"_s);
        // Help is plain text: markup in it is shown, not obeyed.
        const QString tip = shown->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(u"&lt;b&gt;"_s), qPrintable(tip));
        QVERIFY(!shown->headerData(2, Qt::Horizontal, Qt::ToolTipRole).isValid());

        // Rows of the grid model itself are placed as the view shows them.
        QCOMPARE(f.view.visualRect(f.model.index(2, matchcol::Home)),
                 f.view.visualRect(shown->index(2, matchcol::Home)));
        QVERIFY(f.view.visualRect(f.model.index(2, matchcol::Home)).isValid());
    }

    void arrangementRoundTrip()
    {
        Fixture f;
        QHeaderView *header = f.view.horizontalHeader();
        header->moveSection(header->visualIndex(matchcol::Away), 0);
        f.view.setColumnWidth(matchcol::Home, 150);
        f.model.SetColumnVisible(f.model.ColumnAt(matchcol::OBB), true);
        f.view.setColumnWidth(matchcol::OBB, 60);
        f.model.SetColumnVisible(f.model.ColumnAt(matchcol::OBB), false); // hidden keeps its width
        const GridView::Arrangement arranged = f.view.arrangement();
        QCOMPARE(arranged.order.first(), int(matchcol::Away));
        QCOMPARE(arranged.widths[matchcol::Home], 150);
        QCOMPARE(arranged.widths[matchcol::OBB], 60);
        QCOMPARE(arranged.widths[matchcol::PoolJoint1], 25);

        Fixture other;
        QVERIFY(other.view.setArrangement(arranged));
        QCOMPARE(other.view.arrangement().widths, arranged.widths);
        QCOMPARE(other.view.arrangement().order, arranged.order);
        QCOMPARE(other.view.columnWidth(matchcol::Home), 150);
        QCOMPARE(other.view.horizontalHeader()->logicalIndex(0), int(matchcol::Away));
        QVERIFY(other.view.isColumnHidden(matchcol::OBB)); // visibility is the model's
        other.model.SetColumnVisible(other.model.ColumnAt(matchcol::OBB), true);
        QCOMPARE(other.view.columnWidth(matchcol::OBB), 60);
    }

    void arrangementThatDoesNotFitIsRefused_data()
    {
        QTest::addColumn<int>("widthsCount");
        QTest::addColumn<int>("orderCount");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("repeated"); // an order entry repeated in place of another, or -1
        QTest::newRow("fits") << 32 << 32 << 50 << -1;
        QTest::newRow("too few widths") << 31 << 32 << 50 << -1;
        QTest::newRow("too many in order") << 32 << 33 << 50 << -1;
        QTest::newRow("no widths") << 0 << 0 << 50 << -1;
        QTest::newRow("zero width") << 32 << 32 << 0 << -1;
        QTest::newRow("negative width") << 32 << 32 << -5 << -1;
        QTest::newRow("huge width") << 32 << 32 << 100000 << -1;
        QTest::newRow("column twice") << 32 << 32 << 50 << 3;
    }

    void arrangementThatDoesNotFitIsRefused()
    {
        QFETCH(int, widthsCount);
        QFETCH(int, orderCount);
        QFETCH(int, width);
        QFETCH(int, repeated);
        Fixture f;
        const GridView::Arrangement before = f.view.arrangement();
        GridView::Arrangement arrangement;
        for (int i = 0; i < widthsCount; ++i)
            arrangement.widths << width;
        for (int i = 0; i < orderCount; ++i)
            arrangement.order << orderCount - 1 - i;
        if (repeated >= 0)
            arrangement.order[0] = repeated;
        const bool fits = widthsCount == 32 && orderCount == 32 && width == 50 && repeated < 0;
        QCOMPARE(f.view.setArrangement(arrangement), fits);
        if (fits) {
            QCOMPARE(f.view.horizontalHeader()->logicalIndex(0), 31);
            return;
        }
        QCOMPARE(f.view.arrangement().widths, before.widths);
        QCOMPARE(f.view.arrangement().order, before.order);
    }

    // The header keeps its fixed height whatever its captions would need; a
    // header let free to size itself measures them.
    void headerHeight_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::newRow("fixed") << true;
        QTest::newRow("free") << false;
    }

    void headerHeight()
    {
        QFETCH(bool, fixed);
        Fixture f;
        QHeaderView *header = f.view.horizontalHeader();
        if (!fixed) {
            header->setMinimumHeight(0);
            header->setMaximumHeight(QWIDGETSIZE_MAX);
        }
        QFont big = header->font();
        big.setPixelSize(40);
        header->setFont(big);
        if (!fixed) {
            QVERIFY2(header->sizeHint().height() > 40, qPrintable(QString::number(header->sizeHint().height())));
            return;
        }
        int widest = 0;
        for (int c = 0; c < header->count(); ++c)
            widest = std::max(widest, header->sectionSize(c));
        QCOMPARE(header->sizeHint(), QSize(widest, 18));
        QCOMPARE(header->height(), 18);
    }

    void resetColumnsFromTheHeaderMenu()
    {
        Fixture f;
        const GridView::Arrangement first = f.view.arrangement();
        QHeaderView *header = f.view.horizontalHeader();
        header->moveSection(header->visualIndex(matchcol::Book2), 0);
        f.view.setColumnWidth(matchcol::Date, 200);
        QCOMPARE(header->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(header->actions().size(), 1);
        QAction *reset = header->actions().first();
        QCOMPARE(reset->text(), u"Reset columns"_s);
        reset->trigger();
        QCOMPARE(f.view.arrangement().widths, first.widths);
        QCOMPARE(f.view.arrangement().order, first.order);
        QCOMPARE(f.view.columnWidth(matchcol::Date), 65);
        QVERIFY(!f.view.isColumnHidden(matchcol::DBB));
        QVERIFY(f.view.isColumnHidden(matchcol::OBB));
    }
};

QTEST_MAIN(GridViewTest)
#include "tst_gridview.moc"
