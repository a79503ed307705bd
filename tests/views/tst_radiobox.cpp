#include "views/radiobox.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Two parents, both with group 1: the bookmaker boxes on a panel and the
// pick boxes on the page, as in the window.
class RadioBoxTest : public QObject
{
    Q_OBJECT

    QWidget page;
    QWidget *panel = nullptr;
    QList<RadioBox *> bookmakers;
    QList<RadioBox *> picks;

private Q_SLOTS:
    void init()
    {
        panel = new QWidget(&page);
        bookmakers.clear();
        picks.clear();
        for (int i = 0; i < 3; ++i) {
            bookmakers << new RadioBox(u"b%1"_s.arg(i), 1, panel);
            bookmakers.last()->setGeometry(0, 30 * i, 80, 25);
        }
        for (int i = 0; i < 3; ++i) {
            picks << new RadioBox(u"p%1"_s.arg(i), 1, &page);
            picks.last()->setGeometry(100, 30 * i, 80, 25);
        }
        // Stored states: no handler runs, no other box is touched.
        bookmakers[0]->setChecked(true);
        picks[1]->setChecked(true);
        page.resize(200, 100);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }

    void cleanup()
    {
        delete panel;
        qDeleteAll(picks);
    }

    void clickOnUncheckedBoxChecksItAndRunsItsHandlerOnce()
    {
        QSignalSpy selected(bookmakers[2], &RadioBox::selected);
        QSignalSpy other(bookmakers[0], &RadioBox::selected);
        QTest::mouseClick(bookmakers[2], Qt::LeftButton, {}, QPoint(10, 12));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(other.count(), 0); // the box that loses the check runs nothing
        QVERIFY(bookmakers[2]->isChecked());
        QVERIFY(!bookmakers[0]->isChecked());
        QVERIFY(picks[1]->isChecked()); // another parent: untouched
    }

    void clickOnCheckedBoxDoesNothing()
    {
        QSignalSpy selected(bookmakers[0], &RadioBox::selected);
        QTest::mouseClick(bookmakers[0], Qt::LeftButton, {}, QPoint(10, 12));
        QCOMPARE(selected.count(), 0);
        QVERIFY(bookmakers[0]->isChecked());
    }

    void pickBoxesNeverTouchBookmakerBoxes()
    {
        QTest::mouseClick(picks[2], Qt::LeftButton, {}, QPoint(10, 12));
        QVERIFY(picks[2]->isChecked());
        QVERIFY(!picks[1]->isChecked());
        QVERIFY(bookmakers[0]->isChecked());
    }

    void checkFromCodeRunsHandlerEvenWhenChecked()
    {
        QSignalSpy selected(bookmakers[0], &RadioBox::selected);
        bookmakers[0]->check();
        QCOMPARE(selected.count(), 1);
    }

    void keyboardCannotChangeTheBoxes()
    {
        QCOMPARE(bookmakers[1]->focusPolicy(), Qt::NoFocus);
        QSignalSpy selected(bookmakers[1], &RadioBox::selected);
        QTest::keyClick(bookmakers[1], Qt::Key_Space);
        QCOMPARE(selected.count(), 0);
        QVERIFY(!bookmakers[1]->isChecked());
    }

    // Screen readers hear a radio button with its state; pressing it through
    // them acts as a click, so the group rules hold.
    void readsAsRadioButton()
    {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(bookmakers[2]);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::RadioButton);
        QCOMPARE(face->text(QAccessible::Name), u"b2"_s);
        QVERIFY(face->state().checkable);
        QVERIFY(!face->state().checked);

        QSignalSpy selected(bookmakers[2], &RadioBox::selected);
        QAccessibleActionInterface *actions = face->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(selected.count(), 1);
        QVERIFY(face->state().checked);
        QVERIFY(!QAccessible::queryAccessibleInterface(bookmakers[0])->state().checked);
        QVERIFY(picks[1]->isChecked());

        actions->doAction(QAccessibleActionInterface::pressAction()); // checked: nothing
        QCOMPARE(selected.count(), 1);
    }
};

QTEST_MAIN(RadioBoxTest)
#include "tst_radiobox.moc"
