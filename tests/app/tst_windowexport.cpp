#include "tests/app/windowfixture.h"
#include "app/drawfile.h"
#include "grid/csvwriter.h"
#include "views/radiobox.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

// Shortcuts and what can be taken out of the window: F5, Ctrl+C and
// Save draw as.
class WindowExportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // F5 is REFRESH wherever the focus is, through the same error guard; the
    // buttons and boxes still take no focus.
    void f5RefreshesWithoutFocus()
    {
        Fixture f;
        f.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QTest::keyClick(&f.form, Qt::Key_F5); // the About page: no REFRESH there
        QTest::keyClick(&f.form, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f.server.requests().isEmpty());
        QVERIFY(f.desktop.log.isEmpty());
        f.start();
        f.click(f.form.ch2);
        for (QWidget *focus : {static_cast<QWidget *>(f.form.NX), static_cast<QWidget *>(f.form.MX)}) {
            focus->setFocus();
            QTRY_VERIFY(focus->hasFocus());
            const auto before = f.server.requests().size();
            QTest::keyClick(focus, Qt::Key_F5);
            QCOMPARE(f.paths().mid(before), QStringList{u"/vorlan/marathon.xml"_s});
        }
        const QByteArray bad = "<TIRAGE>Bad</TIRAGE>"_ba + match("L", "1", "First", "<>"_ba);
        f.server.setAnswer("/vorlan/marathon.xml"_ba, FakeHttpServer::Answer::ok(bad));
        QTest::keyClick(f.form.NX, Qt::Key_F5);
        QCOMPARE(f.desktop.log, QStringList{u"error: '<>' is not a valid floating point value."_s});

        QList<QWidget *> mouseOnly{f.form.spSkinXFormButton1, f.form.spSkinXFormButton2, f.form.ch1,
                                   f.form.ch2, f.form.ch3};
        for (RadioBox *box : std::as_const(f.form.pickBoxes))
            mouseOnly << box;
        for (QWidget *widget : std::as_const(mouseOnly))
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }

    // Ctrl+C on the match grid: the selected rows, tab-separated, under a
    // header line, in the order and with the columns shown.
    void ctrlCCopiesTheSelectedRows()
    {
        Fixture f;
        f.start();
        QHeaderView *header = f.form.NX->horizontalHeader();
        header->moveSection(header->visualIndex(matchcol::Home), 1);
        f.clickCell(matchcol::Away, 2);
        const QRect first = f.form.NX->visualRect(f.form.matches().index(1, matchcol::Away));
        QTest::mouseClick(f.form.NX->viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
        QTest::keyClick(f.form.NX, Qt::Key_C, Qt::ControlModifier);
        const QString expected =
            u"Sport\tHome\t#\tDate\tTime\tAway\tPool 1\tPool X\tPool 2\tBook 1\tBook X\tBook 2\tDBB\n"
            "Hockey\tFon B\t2\t12.12\t19:00\tGuests\t45\t20\t30\t45\t25\t30\t12\n"
            "Football\tFon C\t3\t12.12\t19:00\tGuests\t100\t20\t30\t45\t25\t30\t12\n"_s;
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        qInfo().noquote() << u"\n"_s + expected;
    }

    void saveDrawAs_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("spreadsheet");
        QTest::newRow("Ctrl+S, plain") << false << false;
        QTest::newRow("Ctrl+S, spreadsheet") << false << true;
        QTest::newRow("grid menu, spreadsheet") << true << true;
    }

    // The shown draw goes to the chosen file in the chosen form, under the
    // draw's own title even when the label shows something else.
    void saveDrawAs()
    {
        QFETCH(bool, fromMenu);
        QFETCH(bool, spreadsheet);
        Fixture f;
        f.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        f.start();
        f.form.tirage->setText(u"A warning over the title"_s);
        QTemporaryDir dir;
        f.desktop.savePath = dir.filePath(u"saved.csv"_s);
        f.desktop.saveFilter = spreadsheet ? drawfile::spreadsheetFilter() : QString();
        if (fromMenu) {
            QCOMPARE(f.form.NX->contextMenuPolicy(), Qt::ActionsContextMenu);
            QVERIFY(f.form.NX->actions().contains(f.form.saveDrawAction));
            f.form.saveDrawAction->trigger();
        } else {
            QTest::keyClick(&f.form, Qt::Key_S, Qt::ControlModifier);
        }
        QCOMPARE(f.desktop.log, QStringList{u"save dialog"_s});
        QCOMPARE(f.desktop.filtersOffered, (QStringList{drawfile::plainFilter(), drawfile::spreadsheetFilter()}));
        QFile saved(f.desktop.savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const CsvForm form = spreadsheet ? CsvForm::Spreadsheet : CsvForm::Plain;
        QCOMPARE(saved.readAll(), drawCsv(u"Fon draw"_s, f.form.matches(), form));
    }

    // The label marks a cut download; the file still carries the feed's title.
    void savedTitleIsTheDrawsNotTheLabels()
    {
        Fixture f;
        FakeHttpServer::Answer cut = FakeHttpServer::Answer::ok(kFonbet);
        cut.cutAfter = kFonbet.indexOf("<MATCH>", kFonbet.indexOf("</MATCH>"));
        f.server.setAnswer("/vorlan/fonbet.xml"_ba, cut);
        f.start();
        QCOMPARE(f.form.tirage->text(), u"Fon draw (incomplete)"_s);
        QTemporaryDir dir;
        f.desktop.savePath = dir.filePath(u"saved.csv"_s);
        f.form.saveDrawAction->trigger();
        QFile saved(f.desktop.savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine(), "Fon draw\n"_ba);
        QCOMPARE(saved.readAll(), drawCsv(u"Fon draw"_s, f.form.matches()).mid(9));
    }

    void saveDrawCancelledOrFailed()
    {
        Fixture f;
        f.start();
        QTemporaryDir dir;
        f.form.saveDrawAction->trigger(); // cancelled: an empty path
        QCOMPARE(f.desktop.log, QStringList{u"save dialog"_s});
        QVERIFY(QDir(dir.path()).isEmpty());

        f.desktop.savePath = dir.filePath(u"missing/saved.csv"_s);
        f.form.saveDrawAction->trigger();
        QCOMPARE(f.desktop.log.size(), 3);
        QVERIFY2(f.desktop.log[2].startsWith(u"error: The draw was not saved to "_s), qPrintable(f.desktop.log[2]));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(WindowExportTest)
#include "tst_windowexport.moc"
