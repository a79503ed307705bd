#include "app/desktop.h"
#include "app/drawfile.h"
#include "app/skin.h"
#include "grid/csvwriter.h"
#include "tests/app/fakedesktop.h"
#include "views/linklabel.h"
#include "app/mainwindow.h"
#include "views/radiobox.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "tests/support/fakehttpserver.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "views/gridview.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FakeHttpServer::Answer)

namespace {

// Notes the window's closing in the same log as the desktop's calls.
struct CloseWatcher final : QObject
{
    QStringList &log;
    explicit CloseWatcher(QStringList &l) : log(l) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            log << u"close"_s;
        return false;
    }
};

QByteArray match(const QByteArray &league, const QByteArray &num, const QByteArray &home,
                 const QByteArray &p1 = "50"_ba)
{
    return "<MATCH><LEAGUE>"_ba + league + "</LEAGUE><NUM>"_ba + num
           + "</NUM><DATE>12.12</DATE><TIME>19:00</TIME><HOME>"_ba + home
           + "</HOME><AWAY>Guests</AWAY><P1>"_ba + p1
           + "</P1><DRAW>20</DRAW><P2>30</P2><P1B>45</P1B><DRAWB>25</DRAWB><P2B>30</P2B>"
             "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>"
             "<ITOG2>40/35/25<br><b>38/30/32(17)</b></ITOG2></MATCH>"_ba;
}

const QByteArray kFonbet = "<TIRAGE>Fon draw</TIRAGE>"_ba + match("Premier", "1", "Fon A", "9")
                           + match("NHL Hockey", "2", "Fon B", "45") + match("Liga", "3", "Fon C", "100");
const QByteArray kMarathon = "<TIRAGE>Marathon draw</TIRAGE>"_ba + match("Liga", "1", "Mar A")
                             + match("Liga", "2", "Mar B");
const QByteArray kOneXBet = "<TIRAGE>1x draw</TIRAGE>"_ba + match("Liga", "1", "One A");

struct Fixture
{
    FakeHttpServer server;
    FakeDesktop desktop;
    HttpClient http;
    TForm1 form{desktop, http, server.url()};
    CloseWatcher closes{desktop.log};

    Fixture()
    {
        server.setAnswer("/refresh/vorlan4.6.txt"_ba, FakeHttpServer::Answer::ok("ok"_ba));
        server.setAnswer("/vorlan/fonbet.xml"_ba, FakeHttpServer::Answer::ok(kFonbet));
        server.setAnswer("/vorlan/marathon.xml"_ba, FakeHttpServer::Answer::ok(kMarathon));
        server.setAnswer("/vorlan/1xbet.xml"_ba, FakeHttpServer::Answer::ok(kOneXBet));
        form.installEventFilter(&closes);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    QStringList paths() const
    {
        QStringList out;
        for (const auto &request : server.requests())
            out << QString::fromLatin1(request.path);
        return out;
    }

    QString cell(int column, int row) const
    {
        QString text;
        form.matches().GetCellText(column, row, text);
        return text;
    }

    QString detail(int column, int row) const
    {
        QString text;
        form.details().GetCellText(column, row, text);
        return text;
    }

    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(10, 10)); }

    void clickCell(int column, int row)
    {
        const QRect rect = form.NX->visualRect(form.matches().index(row, column));
        QTest::mouseClick(form.NX->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void start()
    {
        click(form.spSkinXFormButton1);
        QCOMPARE(form.Page->currentIndex(), 1);
    }

    QList<int> visiblePickColumns() const
    {
        QList<int> shown;
        for (int c = matchcol::OBB; c <= matchcol::ADB; ++c) {
            if (!form.NX->isColumnHidden(c))
                shown << c;
        }
        return shown;
    }
};

// The components of the window, by the names the program knows them by.
QStringList componentNames()
{
    return {
        u"Page"_s, u"spSkinTabSheet1"_s, u"Image1"_s, u"spSkinShadowLabel1"_s,
        u"spSkinLinkLabel1"_s, u"spSkinXFormButton1"_s, u"spSkinTabSheet2"_s,
        u"spSkinPanel1"_s, u"ch1"_s, u"ch2"_s, u"ch3"_s, u"tirage"_s,
        u"spSkinXFormButton2"_s, u"NX"_s, u"spSkinCheckRadioBox1"_s,
        u"spSkinCheckRadioBox2"_s, u"spSkinCheckRadioBox3"_s, u"spSkinCheckRadioBox4"_s,
        u"spSkinCheckRadioBox5"_s, u"spSkinCheckRadioBox6"_s, u"mmm"_s, u"MX"_s,
        u"spDynamicSkinForm1"_s};
}

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

bool sameImage(const QIcon &a, const QIcon &b)
{
    return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;

    static QString settingsFile()
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, u"Vorlan"_s, u"vorlan"_s);
        return settings.fileName();
    }

private Q_SLOTS:
    // Never the user's own settings: a folder of the test's own.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        QVERIFY(settingsFile().startsWith(m_settingsDir.path()));
    }

    // Every test starts as a first run.
    void init() { QFile::remove(settingsFile()); }

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
        FakeDesktop desktop;
        HttpClient http;
        FakeHttpServer server;
        server.setAnswer("/refresh/vorlan4.6.txt"_ba,
                         status == 301 ? FakeHttpServer::Answer::redirect(301, "/refresh/vorlan4.6.txt"_ba)
                                       : FakeHttpServer::Answer::withStatus(status));
        const QUrl url = server.url();
        TForm1 form(desktop, http, url);
        CloseWatcher closes(desktop.log);
        form.installEventFilter(&closes);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.spSkinXFormButton1, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(desktop.log,
                 (QStringList{u"message: "_s + vendor::updateMessage(url),
                              u"open: "_s + vendor::downloadPageUrl(url).toString(), u"close"_s}));
        QVERIFY(vendor::updateMessage(url).contains(u"\rОбновите программу с сайта!"_s));
        QVERIFY(!form.isVisible());
        for (const auto &request : server.requests())
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

        QTest::mouseClick(form->spSkinXFormButton1, Qt::LeftButton, {}, QPoint(10, 10));

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
            QTest::mouseClick(form->spSkinXFormButton1, Qt::LeftButton, {}, QPoint(10, 10));
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
        TForm1 other(f.desktop, f.http, server); // to reach a server where nothing listens
        TForm1 &form = kind == u"refused" ? other : f.form;
        if (kind == u"refused") {
            other.setStyleSheet(skinStyleSheet());
            other.show();
            QVERIFY(QTest::qWaitForWindowExposed(&other));
        }
        form.spSkinXFormButton2Click();

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
        QVERIFY(QFile::exists(settingsFile()));
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
        QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
        QFile damaged(settingsFile());
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

    void closingAsksNothing()
    {
        Fixture f;
        QVERIFY(f.form.close());
        QCOMPARE(f.desktop.log, QStringList{u"close"_s});
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
