#include "tests/app/windowfixture.h"
#include "views/radiobox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>

using namespace Qt::StringLiterals;

// The arrangement the window keeps between runs.
class WindowSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every test starts as a first run.
    void init() { QFile::remove(OwnSettings::file()); }

    // Column widths and order and the window's place last from one run to the
    // next; the pick column shown is still the stored one.
    void arrangementKeptBetweenRuns()
    {
        GridView::Arrangement first;
        QPoint centred;
        {
            Fixture f;
            first = f.form.NX->arrangement();
            centred = f.form.pos();
            QHeaderView *header = f.form.NX->horizontalHeader();
            header->moveSection(header->visualIndex(matchcol::Away), 1);
            f.form.NX->setColumnWidth(matchcol::Home, 160);
            f.click(f.form.pickBoxes[0]);
            f.form.move(centred + QPoint(-30, 20));
            QVERIFY(f.form.close());
        }
        QVERIFY(QFile::exists(OwnSettings::file()));
        Fixture again;
        QCOMPARE(again.form.pos(), centred + QPoint(-30, 20));
        QCOMPARE(again.form.NX->columnWidth(matchcol::Home), 160);
        QCOMPARE(again.form.NX->horizontalHeader()->logicalIndex(1), int(matchcol::Away));
        QCOMPARE(again.visiblePickColumns(), QList<int>{matchcol::DBB});
        QVERIFY(again.form.pickBoxes[TForm1::kDefaultPickBox]->isChecked());

        QAction *reset = again.form.NX->horizontalHeader()->actions().value(0);
        QVERIFY(reset);
        reset->trigger();
        QCOMPARE(again.form.NX->arrangement().widths, first.widths);
        QCOMPARE(again.form.NX->arrangement().order, first.order);
    }

    void damagedSettingsGiveTheFirstRun_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("not a settings file") << "\x00\xff\xfe garbage [[[ = = \n\x01"_ba;
        QTest::newRow("words for numbers")
            << "[window]\nposition=a, b\n[matchGrid]\ncolumnWidths=x\ncolumnOrder=y\n"_ba;
        QTest::newRow("too few columns")
            << "[window]\nposition=-5000, -5000\n[matchGrid]\ncolumnWidths=50, 50\ncolumnOrder=1, 0\n"_ba;
        QTest::newRow("order not a permutation")
            << ("[matchGrid]\ncolumnWidths=" + QByteArray("50, ").repeated(31) + "50\ncolumnOrder="
                + QByteArray("3, ").repeated(31) + "3\n");
    }

    void damagedSettingsGiveTheFirstRun()
    {
        QFETCH(QByteArray, file);
        GridView::Arrangement first;
        QPoint centred;
        {
            Fixture f;
            first = f.form.NX->arrangement();
            centred = f.form.pos();
        }
        QVERIFY(QDir().mkpath(QFileInfo(OwnSettings::file()).path()));
        QFile damaged(OwnSettings::file());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(file);
        damaged.close();

        Fixture f;
        QCOMPARE(f.form.pos(), centred);
        QCOMPARE(f.form.NX->arrangement().widths, first.widths);
        QCOMPARE(f.form.NX->arrangement().order, first.order);
        QCOMPARE(f.visiblePickColumns(), QList<int>{matchcol::DBB});
        QCOMPARE(f.form.Page->currentIndex(), int(TForm1::kAboutPage));
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "tst_windowsettings.moc"
