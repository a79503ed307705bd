#include "app/desktop.h"
#include "app/skin.h"
#include "tests/app/windowfixture.h"
#include "views/linklabel.h"
#include "app/mainwindow.h"
#include "views/radiobox.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "tests/support/fakehttpserver.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "views/gridview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FakeHttpServer::Answer)

namespace {

bool sameImage(const QIcon &a, const QIcon &b)
{
    return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void componentsCarryTheirNames()
    {
        Fixture f;
        for (const QString &name : componentNames())
            QVERIFY2(f.form.findChild<QWidget *>(name), qPrintable(name));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Page") << u"Page"_s << QRect(0, 0, 685, 508);
        QTest::newRow("Image1") << u"Image1"_s << QRect(0, 0, 683, 486);
        QTest::newRow("start") << u"spSkinXFormButton1"_s << QRect(448, 360, 121, 25);
        QTest::newRow("panel") << u"spSkinPanel1"_s << QRect(0, 0, 683, 41);
        QTest::newRow("ch1") << u"ch1"_s << QRect(8, 8, 65, 25);
        QTest::newRow("ch2") << u"ch2"_s << QRect(72, 8, 89, 25);
        QTest::newRow("ch3") << u"ch3"_s << QRect(168, 8, 57, 25);
        QTest::newRow("tirage") << u"tirage"_s << QRect(240, 8, 345, 21);
        QTest::newRow("refresh") << u"spSkinXFormButton2"_s << QRect(592, 8, 75, 25);
        QTest::newRow("NX") << u"NX"_s << QRect(2, 43, 671, 293);
        QTest::newRow("box1") << u"spSkinCheckRadioBox1"_s << QRect(8, 336, 129, 25);
        QTest::newRow("box6") << u"spSkinCheckRadioBox6"_s << QRect(8, 456, 113, 25);
        QTest::newRow("mmm") << u"mmm"_s << QRect(192, 336, 457, 21);
        QTest::newRow("MX") << u"MX"_s << QRect(192, 360, 481, 121);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        Fixture f;
        auto *widget = f.form.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void storedStateAtStart()
    {
        Fixture f;
        TForm1 &form = f.form;
        QCOMPARE(form.windowTitle(), u"Vorlan"_s);
        QCOMPARE(form.client->size(), QSize(685, 508));
        QCOMPARE(form.minimumSize(), form.maximumSize()); // fixed size
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.Page->count(), 2);
        QCOMPARE(form.Page->tabText(0), u"About"_s);
        QCOMPARE(form.Page->tabText(1), u"FonBet"_s);
        QVERIFY(sameImage(form.Page->tabIcon(0), form.ImageList2[0]));
        QVERIFY(sameImage(form.Page->tabIcon(1), form.ImageList2[1]));
        // After the creation handler: About alone, in front.
        QCOMPARE(form.Page->currentIndex(), 0);
        QVERIFY(form.Page->isTabVisible(0));
        QVERIFY(!form.Page->isTabVisible(1));
        QVERIFY(form.ch1->isChecked());
        QVERIFY(!form.ch2->isChecked() && !form.ch3->isChecked());
        for (int n = 0; n < 6; ++n)
            QCOMPARE(form.pickBoxes[n]->isChecked(), n == 1);
        QCOMPARE(f.visiblePickColumns(), QList<int>{matchcol::DBB});
        for (int c = 0; c <= matchcol::ADB; ++c)
            QCOMPARE(form.NX->isColumnHidden(c), c > matchcol::Book2 && c != matchcol::DBB);
        QCOMPARE(form.spSkinShadowLabel1->text(), u"Version: 4.6"_s);
        QCOMPARE(form.tirage->text(), QString());
        QCOMPARE(form.mmm->text(), QString());
        QCOMPARE(form.details().RowCount(), 0);
        QCOMPARE(form.details().columnCount(), 5);
        QVERIFY(f.server.requests().isEmpty()); // no network at start
        QVERIFY(f.desktop.log.isEmpty());
    }

    void startButtonPasses_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("200") << 200;
        QTest::newRow("302") << 302;
    }

    void startButtonPasses()
    {
        QFETCH(int, status);
        Fixture f;
        auto answer = FakeHttpServer::Answer::withStatus(status);
        if (status == 302)
            answer = FakeHttpServer::Answer::redirect(302, "/elsewhere"_ba);
        f.server.setAnswer("/refresh/vorlan4.6.txt"_ba, answer);
        f.start();
        QCOMPARE(f.paths(), (QStringList{u"/refresh/vorlan4.6.txt"_s, u"/vorlan/fonbet.xml"_s}));
        QVERIFY(!f.form.Page->isTabVisible(0));
        QVERIFY(f.form.Page->isTabVisible(1));
        QCOMPARE(f.form.Page->tabText(1), u"FonBet"_s);
        QVERIFY(sameImage(f.form.Page->tabIcon(1), f.form.ImageList2[1]));
        QVERIFY(f.form.ch1->isChecked());
        QCOMPARE(f.form.tirage->text(), u"Fon draw"_s);
        QCOMPARE(f.form.matches().RowCount(), 3);
        QCOMPARE(f.cell(matchcol::Home, 1), u"Fon B"_s);
        QVERIFY(f.desktop.log.isEmpty());
    }

    void retiredVersionTakesTheUpdatePath_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("404") << 404;
        QTest::newRow("500") << 500;
        QTest::newRow("301") << 301;
    }

    void retiredVersionTakesTheUpdatePath()
    {
        QFETCH(int, status);
        Fixture f;
        f.server.setAnswer("/refresh/vorlan4.6.txt"_ba,
                           status == 301 ? FakeHttpServer::Answer::redirect(301, "/refresh/vorlan4.6.txt"_ba)
                                         : FakeHttpServer::Answer::withStatus(status));
        const QUrl url = f.server.url();
        f.click(f.form.spSkinXFormButton1);
        QCOMPARE(f.desktop.log,
                 (QStringList{u"message: "_s + vendor::updateMessage(url),
                              u"open: "_s + vendor::downloadPageUrl(url).toString(), u"close"_s}));
        QVERIFY(vendor::updateMessage(url).contains(u"\rОбновите программу с сайта!"_s));
        QVERIFY(!f.form.isVisible());
        for (const auto &request : f.server.requests())
            QCOMPARE(request.path, "/refresh/vorlan4.6.txt"_ba); // no feed was loaded
    }

    void unreachableServerKeepsTheAboutPage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // a part of it, in any case
        QTest::newRow("refused") << u"refused"_s << u"connection refused"_s;
        QTest::newRow("silent") << u"silent"_s << u"no answer within 300 ms"_s;
        QTest::newRow("reset") << u"reset"_s << u"connection"_s;
    }

    void unreachableServerKeepsTheAboutPage()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Fixture f;
        f.http.setProbeTimeout(std::chrono::milliseconds(300));
        FakeHttpServer::Answer marker = FakeHttpServer::Answer::ok("ok"_ba);
        marker.silent = kind == u"silent";
        marker.reset = kind == u"reset";
        f.server.setAnswer("/refresh/vorlan4.6.txt"_ba, marker);
        // The window under test talks to f.server, unless nothing listens.
        std::optional<TForm1> refused;
        TForm1 *form = &f.form;
        const QUrl closed = FakeHttpServer::closedUrl();
        if (kind == u"refused") {
            refused.emplace(f.desktop, f.http, closed);
            refused->show();
            QVERIFY(QTest::qWaitForWindowExposed(&*refused));
            form = &*refused;
        }

        f.click(form->spSkinXFormButton1);

        QCOMPARE(f.desktop.log.size(), 1);
        const QString message = f.desktop.log.constFirst();
        QVERIFY2(message.startsWith(u"message: Cannot reach the server "_s), qPrintable(message));
        const QUrl server = kind == u"refused" ? closed : f.server.url();
        QVERIFY2(message.contains(u"%1:%2"_s.arg(server.host()).arg(server.port())), qPrintable(message));
        QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
        QVERIFY(message.contains(u"\rНет связи с сервером"_s));
        // No browser, no close: About stays, and Start works again.
        QVERIFY(form->isVisible());
        QCOMPARE(form->Page->currentIndex(), 0);
        QVERIFY(form->Page->isTabVisible(0));
        QVERIFY(!form->Page->isTabVisible(1));
        for (const auto &request : f.server.requests())
            QCOMPARE(request.path, "/refresh/vorlan4.6.txt"_ba); // no feed was loaded

        if (kind == u"refused") {
            f.click(form->spSkinXFormButton1);
            QCOMPARE(f.desktop.log.size(), 2); // asked again, same answer
            return;
        }
        f.server.setAnswer("/refresh/vorlan4.6.txt"_ba, FakeHttpServer::Answer::ok("ok"_ba));
        f.start();
        QCOMPARE(f.form.matches().RowCount(), 3);
        QCOMPARE(f.desktop.log.size(), 1);
    }

    void loadErrorKeepsAboutStateAndButtonWorksAgain()
    {
        Fixture f;
        const QByteArray bad = "<TIRAGE>Bad</TIRAGE>"_ba + match("L", "1", "First")
                               + match("L", "2", "Second", "<>"_ba) + match("L", "3", "Third");
        f.server.setAnswer("/vorlan/fonbet.xml"_ba, FakeHttpServer::Answer::ok(bad));
        f.click(f.form.spSkinXFormButton1);
        QCOMPARE(f.desktop.log, QStringList{u"error: '<>' is not a valid floating point value."_s});
        QCOMPARE(f.form.Page->currentIndex(), 0);
        QVERIFY(f.form.Page->isTabVisible(0));
        QVERIFY(!f.form.Page->isTabVisible(1));
        QCOMPARE(f.form.matches().RowCount(), 2); // the rows so far stay
        QCOMPARE(f.cell(matchcol::Home, 1), u"Second"_s);

        f.server.setAnswer("/vorlan/fonbet.xml"_ba, FakeHttpServer::Answer::ok(kFonbet));
        f.start();
        QCOMPARE(f.paths().count(u"/refresh/vorlan4.6.txt"_s), 2); // checked again
        QCOMPARE(f.form.matches().RowCount(), 3);
    }

    void failedDownloadStillShowsTheDrawPage()
    {
        Fixture f;
        f.server.setAnswer("/vorlan/fonbet.xml"_ba, FakeHttpServer::Answer::withStatus(500, "<MATCH>"_ba));
        f.start();
        QCOMPARE(f.form.matches().RowCount(), 0);
        QCOMPARE(f.form.tirage->text(), u"No draw: HTTP status 500 Internal Server Error"_s);
        QVERIFY(f.desktop.log.isEmpty());
    }

    void drawTitleTellsWhatHappened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<FakeHttpServer::Answer>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("reason"); // in the tooltip, with the feed's address

        using Answer = FakeHttpServer::Answer;
        QTest::newRow("complete") << u"complete"_s << Answer::ok(kFonbet) << u"Fon draw"_s << 3 << QString();
        const QByteArray markup = "<TIRAGE><b>Bold</b> &amp; draw</TIRAGE>"_ba + match("L", "1", "A");
        QTest::newRow("complete, markup in the title")
            << u"complete"_s << Answer::ok(markup) << u"<b>Bold</b> &amp; draw"_s << 1 << QString();
        QTest::newRow("refused") << u"refused"_s << Answer() << u"No draw: connection refused"_s << 0
                                 << u"Connection refused"_s;
        QTest::newRow("404") << u"served"_s << Answer::withStatus(404) << u"No draw: HTTP status 404 Not Found"_s
                             << 0 << u"HTTP status 404 Not Found"_s;
        Answer cut = Answer::ok(kFonbet);
        cut.cutAfter = kFonbet.indexOf("<MATCH>", kFonbet.indexOf("</MATCH>"));
        QTest::newRow("cut after one match") << u"served"_s << cut << u"Fon draw (incomplete)"_s << 1
                                             << u"closed"_s;
        Answer cutTitle = Answer::ok(kFonbet);
        cutTitle.cutAfter = 12;
        QTest::newRow("cut inside the title") << u"served"_s << cutTitle << u"Incomplete draw: "_s << 0
                                              << u"closed"_s;
        Answer badChunk;
        badChunk.rawHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"_ba;
        badChunk.body = QByteArray::number(cut.cutAfter, 16) + "\r\n" + kFonbet.first(cut.cutAfter)
                        + "\r\nzz\r\n" + kFonbet.sliced(cut.cutAfter) + "\r\n0\r\n\r\n";
        QTest::newRow("bad chunk size after one match")
            << u"served"_s << badChunk << u"Fon draw (incomplete)"_s << 1
            << u"chunk size 'zz' is not a hexadecimal number, after "_s;
        Answer badLength = Answer::ok(kFonbet);
        badLength.headers.append({"Content-Length"_ba, "-1"_ba});
        badLength.cutAfter = cut.cutAfter;
        QTest::newRow("Content-Length -1, cut after one match")
            << u"served"_s << badLength << u"Fon draw (incomplete)"_s << 1
            << u"Content-Length '-1' is not a number"_s;
        Answer stall = Answer::ok(kFonbet);
        stall.stallAfter = cut.cutAfter;
        QTest::newRow("stalls after one match") << u"served"_s << stall << u"Fon draw (incomplete)"_s << 1
                                                << u"no data"_s;
        QTest::newRow("more matches than a load makes")
            << u"limited"_s << Answer::ok(kFonbet) << u"Fon draw (incomplete)"_s << 2
            << u"a load stops after 2 rows"_s;
    }

    void drawTitleTellsWhatHappened()
    {
        QFETCH(QString, kind);
        QFETCH(FakeHttpServer::Answer, answer);
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(QString, reason);
        Fixture f;
        f.form.setStyleSheet(skinStyleSheet());
        f.http.setStallTimeout(std::chrono::milliseconds(300));
        f.start();
        QCOMPARE(f.form.tirage->text(), u"Fon draw"_s);
        const QColor plain = f.form.tirage->palette().color(QPalette::WindowText);

        const QUrl server = kind == u"refused" ? FakeHttpServer::closedUrl() : f.server.url();
        f.server.setAnswer("/vorlan/fonbet.xml"_ba, answer);
        std::optional<TForm1> other; // to reach a server where nothing listens
        if (kind == u"refused") {
            other.emplace(f.desktop, f.http, server);
            other->setStyleSheet(skinStyleSheet());
            other->show();
            QVERIFY(QTest::qWaitForWindowExposed(&*other));
        }
        TForm1 &form = other ? *other : f.form;
        if (kind == u"limited")
            form.setRowLimit(2);
        form.spSkinXFormButton2Click();
        form.setRowLimit(kDrawRowLimit);

        QVERIFY2(form.tirage->text().startsWith(text), qPrintable(form.tirage->text()));
        QCOMPARE(form.tirage->textFormat(), Qt::PlainText);
        QCOMPARE(form.matches().RowCount(), rows);
        QVERIFY(f.desktop.log.isEmpty());
        const QColor shown = form.tirage->palette().color(QPalette::WindowText);
        if (reason.isEmpty()) {
            QCOMPARE(form.tirage->text(), text);
            QCOMPARE(form.tirage->toolTip(), QString());
            QCOMPARE(shown, plain);
            return;
        }
        // Made from plain text: feed text in it would not be markup.
        QVERIFY2(Qt::mightBeRichText(form.tirage->toolTip()), qPrintable(form.tirage->toolTip()));
        const QStringList tip =
            QTextDocumentFragment::fromHtml(form.tirage->toolTip()).toPlainText().split(u'\n');
        QCOMPARE(tip.size(), 2);
        QCOMPARE(tip[0], server.toString() + u"/vorlan/fonbet.xml"_s);
        QVERIFY2(tip[1].contains(reason, Qt::CaseInsensitive), qPrintable(tip[1]));
        QVERIFY2(shown != plain, qPrintable(shown.name())); // the skin's warning colour
        QCOMPARE(shown, QColor(u"#b3261e"_s));

        // A complete download again: the title as it came, no warning.
        f.server.setAnswer("/vorlan/fonbet.xml"_ba, FakeHttpServer::Answer::ok(kFonbet));
        if (kind != u"refused") {
            form.spSkinXFormButton2Click();
            QCOMPARE(form.tirage->text(), u"Fon draw"_s);
            QCOMPARE(form.tirage->toolTip(), QString());
            QCOMPARE(form.tirage->palette().color(QPalette::WindowText), plain);
        }
    }

    void choosingBookmakers()
    {
        Fixture f;
        f.start();
        f.clickCell(matchcol::Home, 0);
        const QString panel = f.form.mmm->text();
        f.click(f.form.pickBoxes[4]);

        f.click(f.form.ch2);
        QVERIFY(!f.form.ch1->isChecked());
        QVERIFY(f.form.ch2->isChecked());
        QCOMPARE(f.form.Page->tabText(1), u"Marathon"_s);
        QVERIFY(sameImage(f.form.Page->tabIcon(1), f.form.ImageList2[2]));
        QCOMPARE(f.form.matches().RowCount(), 2);
        QCOMPARE(f.cell(matchcol::Date, 0), u"-"_s);
        QCOMPARE(f.cell(matchcol::Time, 1), u"-"_s);
        QCOMPARE(f.form.tirage->text(), u"Marathon draw"_s);
        // The pick choice and the detail panel stay as they were.
        QVERIFY(f.form.pickBoxes[4]->isChecked());
        QCOMPARE(f.visiblePickColumns(), QList<int>{matchcol::AOB});
        QCOMPARE(f.form.mmm->text(), panel);

        const auto requests = f.server.requests().size();
        f.click(f.form.ch2); // already checked: nothing
        QCOMPARE(f.server.requests().size(), requests);

        f.click(f.form.ch3);
        QCOMPARE(f.form.Page->tabText(1), u"1XBET"_s);
        QVERIFY(sameImage(f.form.Page->tabIcon(1), f.form.ImageList2[3]));
        QCOMPARE(f.cell(matchcol::Home, 0), u"One A"_s);
        QVERIFY(f.desktop.log.isEmpty());
    }

    void refreshLoadsTheCheckedBookmakerOnce()
    {
        Fixture f;
        f.start();
        f.click(f.form.ch2);
        const auto before = f.server.requests().size();
        f.click(f.form.spSkinXFormButton2);
        QCOMPARE(f.paths().mid(before), QStringList{u"/vorlan/marathon.xml"_s});
        QCOMPARE(f.form.Page->tabText(1), u"Marathon"_s);
    }

    void failedDownloadLeavesNewTabOverEmptyGrid()
    {
        Fixture f;
        f.start();
        f.server.setAnswer("/vorlan/1xbet.xml"_ba, FakeHttpServer::Answer::withStatus(404));
        f.click(f.form.ch3);
        QCOMPARE(f.form.Page->tabText(1), u"1XBET"_s);
        QVERIFY(f.form.ch3->isChecked());
        QCOMPARE(f.form.matches().RowCount(), 0);
        QCOMPARE(f.form.tirage->text(), u"No draw: HTTP status 404 Not Found"_s);
        f.server.setAnswer("/vorlan/1xbet.xml"_ba, FakeHttpServer::Answer::ok(kOneXBet));
        f.click(f.form.spSkinXFormButton2);
        QCOMPARE(f.form.matches().RowCount(), 1);
        QCOMPARE(f.form.tirage->text(), u"1x draw"_s);
        QCOMPARE(f.form.tirage->toolTip(), QString());
    }

    void pickBoxesChooseTheShownColumn_data()
    {
        QTest::addColumn<int>("box");
        for (int n = 0; n < 6; ++n)
            QTest::addRow("box %d", n + 1) << n;
    }

    void pickBoxesChooseTheShownColumn()
    {
        QFETCH(int, box);
        Fixture f;
        f.start();
        f.click(f.form.pickBoxes[box]);
        QCOMPARE(f.visiblePickColumns(), QList<int>{matchcol::OBB + box});
        QVERIFY(f.form.ch1->isChecked());
        f.click(f.form.pickBoxes[box]); // the checked box: nothing changes
        QCOMPARE(f.visiblePickColumns(), QList<int>{matchcol::OBB + box});
        f.click(f.form.spSkinXFormButton2);
        QCOMPARE(f.visiblePickColumns(), QList<int>{matchcol::OBB + box});
    }

    void cellClickFillsTheDetailPanel()
    {
        Fixture f;
        f.start();
        f.clickCell(matchcol::Home, 1);
        QCOMPARE(f.form.mmm->text(), u"12.12 19:00   Fon B - Guests"_s);
        QCOMPARE(f.form.mmm->textFormat(), Qt::PlainText);
        QCOMPARE(f.form.details().RowCount(), 6);
        QCOMPARE(f.detail(1, 0), u"45"_s);
        QCOMPARE(f.detail(4, 4), u"17"_s);
        QStringList before;
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 6; ++r)
                before << f.detail(c, r);

        f.clickCell(matchcol::Sport, 1); // the picture cell: the same panel
        QStringList after;
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 6; ++r)
                after << f.detail(c, r);
        QCOMPARE(after, before);

        f.click(f.form.spSkinXFormButton2); // a reload leaves the panel alone
        QCOMPARE(f.form.mmm->text(), u"12.12 19:00   Fon B - Guests"_s);
        QCOMPARE(f.form.details().RowCount(), 6);
    }

    void clickAfterSortingShowsTheShownRow()
    {
        Fixture f;
        f.start();
        QHeaderView *header = f.form.NX->horizontalHeader();
        const QPoint pool1(header->sectionViewportPosition(matchcol::Pool1) + 5, 9);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pool1);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pool1); // descending: 100 first
        f.clickCell(matchcol::Home, 0);
        QCOMPARE(f.form.mmm->text(), u"12.12 19:00   Fon C - Guests"_s);
        QCOMPARE(f.detail(1, 0), u"100"_s);
    }

    void leagueHintAndHockeyPicture()
    {
        Fixture f;
        f.start();
        QCOMPARE(f.form.matches().imageIndex(0, 1), 1);
        QCOMPARE(f.form.matches().hint(0, 1), u"NHL Hockey"_s);
        QCOMPARE(f.form.matches().imageIndex(0, 0), 0);
    }

    void linkLabelOpensTheHomePage()
    {
        Fixture f;
        QTest::mouseClick(f.form.spSkinLinkLabel1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.desktop.log, QStringList{u"open: "_s + vendor::homePage().toString()});
    }

    void busyCursorWhileWaitingOnTheNetwork()
    {
        Fixture f;
        auto slow = FakeHttpServer::Answer::ok(kFonbet);
        slow.dripBytes = 64;
        slow.dripInterval = std::chrono::milliseconds(10);
        f.server.setAnswer("/vorlan/fonbet.xml"_ba, slow);
        QList<Qt::CursorShape> seen;
        QTimer probe;
        connect(&probe, &QTimer::timeout, &probe, [&] {
            seen << (QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                     : Qt::ArrowCursor);
        });
        probe.start(5); // timers still run: the window keeps painting meanwhile
        f.start();
        probe.stop();
        QVERIFY(seen.contains(Qt::BusyCursor));
        QVERIFY(!QApplication::overrideCursor()); // restored after the load
        QCOMPARE(f.form.matches().RowCount(), 3);
    }

    void closingAsksNothing()
    {
        Fixture f;
        QVERIFY(f.form.close());
        QCOMPARE(f.desktop.log, QStringList{u"close"_s});
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
