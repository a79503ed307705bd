#pragma once

// What the window's tests share: a fake vendor server with three small draws,
// the window on it, and the names of its components.

#include "app/mainwindow.h"
#include "app/windowsettings.h"
#include "feeds/httpclient.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "tests/app/fakedesktop.h"
#include "tests/support/fakehttpserver.h"
#include "views/gridview.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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

inline QByteArray match(const QByteArray &league, const QByteArray &num, const QByteArray &home,
                 const QByteArray &p1 = "50"_ba)
{
    return "<MATCH><LEAGUE>"_ba + league + "</LEAGUE><NUM>"_ba + num
           + "</NUM><DATE>12.12</DATE><TIME>19:00</TIME><HOME>"_ba + home
           + "</HOME><AWAY>Guests</AWAY><P1>"_ba + p1
           + "</P1><DRAW>20</DRAW><P2>30</P2><P1B>45</P1B><DRAWB>25</DRAWB><P2B>30</P2B>"
             "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>"
             "<ITOG2>40/35/25<br><b>38/30/32(17)</b></ITOG2></MATCH>"_ba;
}

inline const QByteArray kFonbet = "<TIRAGE>Fon draw</TIRAGE>"_ba + match("Premier", "1", "Fon A", "9")
                           + match("NHL Hockey", "2", "Fon B", "45") + match("Liga", "3", "Fon C", "100");
inline const QByteArray kMarathon = "<TIRAGE>Marathon draw</TIRAGE>"_ba + match("Liga", "1", "Mar A")
                             + match("Liga", "2", "Mar B");
inline const QByteArray kOneXBet = "<TIRAGE>1x draw</TIRAGE>"_ba + match("Liga", "1", "One A");

// Settings of the test program's own, in a fresh folder: never the user's,
// and never another test program's running at the same time.
struct OwnSettings
{
    OwnSettings()
    {
        static QTemporaryDir dir;
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }

    // The file the window keeps its arrangement in.
    static QString file() { return windowsettings::open()->fileName(); }
};

// The window on a fake vendor server with three small draws, shown.
struct Fixture
{
    OwnSettings settings;
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

    QString cell(int column, int row) const { return form.matches().cellText(column, row); }
    QString detail(int column, int row) const { return form.details().cellText(column, row); }

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
inline QStringList componentNames()
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

