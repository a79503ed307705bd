// The fill as the window runs it on a Russian desktop: LC_ALL=ru_RU.UTF-8 in
// the environment, which QCoreApplication hands to setlocale(), and the
// grid's decimal separator taken from the locale.

#include "feeds/drawfill.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QTest>

#include <clocale>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kMatch =
    "<MATCH><LEAGUE>Лига</LEAGUE><NUM>1</NUM><DATE>d</DATE><TIME>t</TIME><HOME>A</HOME><AWAY>B</AWAY>"
    "<P1>28,5</P1><DRAW>%X</DRAW><P2>40,25</P2><P1B>45</P1B><DRAWB>30,5</DRAWB><P2B>24,5</P2B>"
    "<ITOG>40,5/35/24,5<br><b>38,5/30/31,5(17)</b></ITOG>"
    "<ITOG2>40/35/25<br><b>38/30/32(17)</b></ITOG2></MATCH>"_ba;

QByteArray feedWithDraw(const QByteArray &draw)
{
    return "<TIRAGE>Тираж</TIRAGE>" + QByteArray(kMatch).replace("%X", draw);
}

} // namespace

class DrawFillLocaleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A missing locale fails the test: set-up generates it.
        const char *current = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(current && std::strcmp(current, "ru_RU.UTF-8") == 0,
                 "ru_RU.UTF-8 missing: run scripts/setup.sh");
    }

    void decimalComma()
    {
        GridModel grid(matchGridColumns());
        QCOMPARE(grid.decimalSeparator(), u',');
        FillMatches(feedWithDraw("31"), Bookmaker::FonBet, grid);
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(grid.cellText(matchcol::Pool1, 0), u"28,5"_s);
        QCOMPARE(grid.cellText(matchcol::Pool2, 0), u"40,25"_s);
        QCOMPARE(grid.cellText(matchcol::BookX, 0), u"30,5"_s);
        QCOMPARE(grid.cellText(matchcol::PoolJoint1, 0), u"38,5"_s);
        QCOMPARE(grid.cellText(matchcol::PoolSeparate2, 0), u"24,5"_s);
    }

    void pointRefused()
    {
        GridModel grid(matchGridColumns());
        try {
            FillMatches(feedWithDraw("31.5"), Bookmaker::FonBet, grid);
            QFAIL("31.5 accepted under a decimal comma");
        } catch (const GridError &e) {
            QCOMPARE(e.message(), u"'31.5' is not a valid floating point value"_s);
        }
        QCOMPARE(grid.cellText(matchcol::Pool1, 0), u"28,5"_s);
        QCOMPARE(grid.cellText(matchcol::PoolX, 0), u"0"_s);
    }

    void pointSetByTheUser()
    {
        GridModel grid(matchGridColumns());
        grid.setDecimalSeparator(u'.');
        QByteArray feed = feedWithDraw("31.5");
        feed.replace(',', '.');
        FillMatches(feed, Bookmaker::FonBet, grid);
        QCOMPARE(grid.cellText(matchcol::Pool1, 0), u"28.5"_s);
        QCOMPARE(grid.cellText(matchcol::PoolX, 0), u"31.5"_s);
    }
};

int main(int argc, char *argv[])
{
    // Before QCoreApplication, which applies it as the window's start does.
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QCoreApplication app(argc, argv);
    DrawFillLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drawfill_locale.moc"
