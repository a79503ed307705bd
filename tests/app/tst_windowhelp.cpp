#include "tests/app/windowfixture.h"
#include "views/radiobox.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QSet>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Table:
        return u"Table"_s;
    case QAccessible::Cell:
        return u"Cell"_s;
    default:
        return QString::number(role);
    }
}

} // namespace

// The window explains itself: header and pick-box tooltips, and what a
// screen reader is told.
class WindowHelpTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headersExplainTheirColumns_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("sport") << u"NX"_s << 0 << QStringList{u"football"_s, u"league"_s};
        QTest::newRow("Pool X") << u"NX"_s << int(matchcol::PoolX) << QStringList{u"pool"_s, u"draw (X)"_s};
        QTest::newRow("Book 2") << u"NX"_s << int(matchcol::Book2) << QStringList{u"bookmaker"_s, u"away win"_s};
        QTest::newRow("pool joint count")
            << u"NX"_s << int(matchcol::PoolJointCount) << QStringList{u"pool's joint search"_s};
        QTest::newRow("book separate 2")
            << u"NX"_s << int(matchcol::BookSeparate2)
            << QStringList{u"bookmaker's separate search"_s, u"away win"_s, u"averaged"_s};
        QTest::newRow("OBB") << u"NX"_s << int(matchcol::OBB)
                             << QStringList{u"single outcome"_s, u"bookmaker's joint search"_s};
        QTest::newRow("DBB") << u"NX"_s << int(matchcol::DBB)
                             << QStringList{u"Double Bet Bookmaker"_s, u"double chance"_s, u"lowest"_s,
                                            u"bookmaker's joint search"_s, u"9 ranks above 45"_s};
        QTest::newRow("OBP") << u"NX"_s << int(matchcol::OBP) << QStringList{u"pool's separate search"_s};
        QTest::newRow("DBP") << u"NX"_s << int(matchcol::DBP)
                             << QStringList{u"double chance"_s, u"pool's separate search"_s};
        QTest::newRow("AOB") << u"NX"_s << int(matchcol::AOB) << QStringList{u"OBB"_s, u"OBP"_s, u"agree"_s};
        QTest::newRow("ADB") << u"NX"_s << int(matchcol::ADB) << QStringList{u"DBB"_s, u"DBP"_s, u"agree"_s};
        QTest::newRow("Method") << u"MX"_s << 0 << QStringList{u"distribution"_s, u"search"_s};
        QTest::newRow("X,%") << u"MX"_s << 2 << QStringList{u"draw (X)"_s};
        QTest::newRow("Count") << u"MX"_s << 4 << QStringList{u"joint search"_s};
    }

    // Every header has a tooltip; a few are checked for what they say, and the
    // tooltip really shows when the pointer rests on the header.
    void headersExplainTheirColumns()
    {
        QFETCH(QString, grid);
        QFETCH(int, column);
        QFETCH(QStringList, words);
        Fixture f;
        f.start();
        auto *view = f.form.findChild<GridView *>(grid);
        QVERIFY(view);
        QSet<QString> distinct;
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            const QString tip = view->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
            QVERIFY2(tip.size() > 12, qPrintable(QString::number(c)));
            distinct << tip;
        }
        QCOMPARE(distinct.size(), view->model()->columnCount());

        const QString tip = view->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
        for (const QString &word : words)
            QVERIFY2(tip.contains(word, Qt::CaseInsensitive), qPrintable(tip));

        if (view->isColumnHidden(column))
            return;
        QHeaderView *header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 5, 9);
        QHelpEvent help(QEvent::ToolTip, at, header->viewport()->mapToGlobal(at));
        QApplication::sendEvent(header->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    void pickBoxesSayWhatTheirColumnHolds()
    {
        Fixture f;
        for (int n = 0; n < 6; ++n) {
            const QString tip = f.form.pickBoxes[n]->toolTip();
            QVERIFY(!tip.isEmpty());
            QCOMPARE(tip, f.form.NX->model()->headerData(matchcol::OBB + n, Qt::Horizontal, Qt::ToolTipRole)
                              .toString());
        }
    }

    // What a screen reader is told: a name for every component, the grids by
    // what they hold, the titles by their text.
    void componentsHaveAccessibleNames()
    {
        Fixture f;
        QList<QWidget *> components{&f.form, f.form.client};
        for (const QString &name : componentNames())
            components << f.form.findChild<QWidget *>(name);
        for (QWidget *widget : std::as_const(components)) {
            QVERIFY(widget);
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(face);
            QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
        }
        const auto name = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(f.form.NX), u"Matches of the draw"_s);
        QCOMPARE(name(f.form.MX), u"Method rows of the clicked match"_s);
        QCOMPARE(name(f.form.spSkinXFormButton2), u"REFRESH"_s);
        QCOMPARE(name(f.form.tirage), u"Draw title"_s); // empty: says what it is
        QCOMPARE(name(f.form.mmm), u"Match title"_s);

        f.start();
        f.clickCell(matchcol::Home, 1);
        QCOMPARE(name(f.form.tirage), u"Fon draw"_s);
        QCOMPARE(name(f.form.mmm), u"12.12 19:00   Fon B - Guests"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(f.form.tirage)->text(QAccessible::Description),
                 u"Draw title"_s);
    }

    void radioBoxesAreRadioButtons()
    {
        Fixture f;
        f.start();
        f.click(f.form.pickBoxes[4]);
        f.click(f.form.ch2);
        QList<RadioBox *> boxes{f.form.ch1, f.form.ch2, f.form.ch3};
        boxes << f.form.pickBoxes;
        QCOMPARE(boxes.size(), 9);
        for (RadioBox *box : std::as_const(boxes)) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(face->role(), QAccessible::RadioButton);
            QCOMPARE(face->text(QAccessible::Name), box->text());
            QVERIFY(face->state().checkable);
            QCOMPARE(bool(face->state().checked), box == f.form.ch2 || box == f.form.pickBoxes[4]);
            QVERIFY(!face->state().focusable); // mouse only, as before
        }
    }

    void sportCellSaysHockeyOrFootball()
    {
        Fixture f;
        f.start();
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(f.form.NX)->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->cellAt(0, matchcol::Sport)->text(QAccessible::Name), u"Football"_s);
        QCOMPARE(table->cellAt(1, matchcol::Sport)->text(QAccessible::Name), u"Hockey"_s);
        QCOMPARE(table->cellAt(1, matchcol::Home)->text(QAccessible::Name), u"Fon B"_s);
    }

    // What a screen reader reads for one row: the grid, then each shown cell
    // with its column header.
    void accessibleTreeOfOneRow()
    {
        Fixture f;
        f.start();
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(f.form.NX);
        QAccessibleTableInterface *table = grid->tableInterface();
        QStringList dump{u"%1 \"%2\" (%3 rows)"_s.arg(roleName(grid->role()),
                                                        grid->text(QAccessible::Name))
                             .arg(table->rowCount())};
        QHeaderView *header = f.form.NX->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int column = header->logicalIndex(visual);
            if (header->isSectionHidden(column))
                continue;
            QAccessibleInterface *cell = table->cellAt(1, column);
            QAccessibleTableCellInterface *cellFace = cell->tableCellInterface();
            const QList<QAccessibleInterface *> headers = cellFace->columnHeaderCells();
            // This Qt hands the header cells out unregistered; registered,
            // the accessibility cache owns them and frees them at the end.
            for (QAccessibleInterface *headerCell : headers) {
                if (!QAccessible::uniqueId(headerCell))
                    QAccessible::registerAccessibleInterface(headerCell);
            }
            const QString headerName = headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name);
            dump << u"  %1 \"%2\" under \"%3\""_s.arg(roleName(cell->role()), cell->text(QAccessible::Name),
                                                       headerName);
        }
        qInfo().noquote() << u"\n"_s + dump.join(u'\n');
        QCOMPARE(dump.size(), 1 + 13);
        QCOMPARE(dump[1], u"  Cell \"Hockey\" under \"Sport\""_s);
        QCOMPARE(dump[5], u"  Cell \"Fon B\" under \"Home\""_s);
        QCOMPARE(dump[13], u"  Cell \"12\" under \"DBB\""_s);
    }
};

QTEST_MAIN(WindowHelpTest)
#include "tst_windowhelp.moc"
