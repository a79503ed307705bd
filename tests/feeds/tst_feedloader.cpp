#include "grid/cp1251.h"
#include "feeds/feedloader.h"
#include "tests/support/fakehttpserver.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Answer = FakeHttpServer::Answer;
using Outcome = Download::Outcome;

Q_DECLARE_METATYPE(FakeHttpServer::Answer)

namespace {

struct Match
{
    QString league;
    QByteArray date; // left out when empty
    QString home;
    QString away;
    QByteArray p1 = "40";
};

// A feed as the vendor writes it: Windows-1251 fields, a UTF-8 title.
QByteArray feedOf(const QList<Match> &matches, const QString &title = u"Тираж № 77"_s)
{
    QByteArray feed = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<VORLAN>\r\n"_ba;
    if (!title.isEmpty())
        feed += "<TIRAGE>" + title.toUtf8() + "</TIRAGE>\r\n";
    int number = 0;
    for (const Match &match : matches) {
        feed += "<MATCH><LEAGUE>" + cp1251::fromUnicode(match.league) + "</LEAGUE><NUM>"
                + QByteArray::number(++number) + "</NUM>";
        if (!match.date.isEmpty())
            feed += "<DATE>" + match.date + "</DATE>";
        feed += "<TIME>19:30</TIME><HOME>" + cp1251::fromUnicode(match.home) + "</HOME><AWAY>"
                + cp1251::fromUnicode(match.away) + "</AWAY><P1>" + match.p1
                + "</P1><DRAW>25</DRAW><P2>35</P2><P1B>42</P1B><DRAWB>22</DRAWB><P2B>36</P2B>"
                  "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>"
                  "<ITOG2>40/35/25<br><b>38/30/32(17)</b></ITOG2></MATCH>\r\n";
    }
    return feed + "</VORLAN>\r\n";
}

const QList<Match> threeMatches{
    {u"КХЛ Hockey"_s, "01.03.2025", u"Спартак"_s, u"ЦСКА"_s},
    {u"Премьер-лига России"_s, "02.03.2025", u"Зенит"_s, u"Локомотив"_s},
    {u"NHL Hockey"_s, "03.03.2025", u"Бостон Брюинз"_s, u"Торонто Мейпл Лифс"_s},
};

// Where the n-th (from 0) "<MATCH>" of feed ends.
qsizetype afterMatchTag(const QByteArray &feed, int n)
{
    qsizetype at = -1;
    for (int i = 0; i <= n; ++i)
        at = feed.indexOf("<MATCH>", at + 1);
    return at + 7;
}

QString cell(const GridModel &grid, int column, int row)
{
    QString text = u"(unset)"_s;
    grid.GetCellText(column, row, text);
    return text;
}

struct Load
{
    GridModel grid{matchGridColumns()};
    QStringList titles;
    QList<FeedDownload> shown; // as the title callback saw them
    FeedDownload returned;

    Load()
    {
        grid.setDecimalSeparator(u'.');
        grid.AppendRows(5); // what an earlier load left
    }

    Outcome run(HttpClient &http, const QUrl &server, Bookmaker bookmaker = Bookmaker::FonBet)
    {
        returned = LoadBookmakerFeed(bookmaker, http, server, grid,
                                     [this](const QString &title, const FeedDownload &download) {
                                         titles.append(title);
                                         shown.append(download);
                                     });
        return returned.outcome;
    }
};

} // namespace

class FeedLoaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcomes_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("title");

        const QByteArray feed = feedOf(threeMatches);
        const QString title = u"Тираж № 77"_s;
        QTest::newRow("complete") << true << Answer::ok(feed) << Outcome::Complete << 3 << title;
        QTest::newRow("empty body") << true << Answer::ok({}) << Outcome::Complete << 0 << QString();
        QTest::newRow("unreachable") << false << Answer() << Outcome::Failed << 0 << QString();
        QTest::newRow("404") << true << Answer::withStatus(404, feed) << Outcome::Failed << 0
                             << QString();
        QTest::newRow("500") << true << Answer::withStatus(500, feed) << Outcome::Failed << 0
                             << QString();
        QTest::newRow("redirect") << true << Answer::redirect(302, "/elsewhere.xml"_ba)
                                  << Outcome::Failed << 0 << QString();
        Answer cutBetween = Answer::ok(feed);
        cutBetween.cutAfter = feed.indexOf("<MATCH>", afterMatchTag(feed, 1));
        QTest::newRow("cut after two matches") << true << cutBetween << Outcome::Broken << 2 << title;
        Answer stalled = Answer::ok(feed);
        stalled.stallAfter = afterMatchTag(feed, 1) - 7;
        QTest::newRow("stalls after one match") << true << stalled << Outcome::Broken << 1 << title;
        Answer cutTitle = Answer::ok(feed);
        cutTitle.cutAfter = feed.indexOf("</TIRAGE>");
        QTest::newRow("cut inside the title") << true << cutTitle << Outcome::Broken << 0 << QString();
    }

    void outcomes()
    {
        QFETCH(bool, reachable);
        QFETCH(Answer, answer);
        QFETCH(Outcome, outcome);
        QFETCH(int, rows);
        QFETCH(QString, title);
        FakeHttpServer server;
        server.setAnswer("/vorlan/fonbet.xml"_ba, answer);
        server.setAnswer("/elsewhere.xml"_ba, Answer::ok(feedOf(threeMatches)));
        HttpClient http;
        http.setStallTimeout(400ms);
        Load load;
        const QUrl base = reachable ? server.url() : FakeHttpServer::closedUrl();

        QCOMPARE(load.run(http, base), outcome);

        QCOMPARE(load.grid.RowCount(), rows);
        QCOMPARE(load.titles, QStringList{title});
        // The window hears how the download went, and from where.
        QCOMPARE(load.shown.size(), 1);
        QCOMPARE(load.shown[0].outcome, outcome);
        QCOMPARE(load.shown[0].url, feedUrl(Bookmaker::FonBet, base));
        QCOMPARE(load.shown[0].reason.isEmpty(), outcome == Outcome::Complete);
        QCOMPARE(load.returned.url, load.shown[0].url);
        QCOMPARE(load.returned.reason, load.shown[0].reason);
        for (int row = 0; row < rows; ++row) {
            QCOMPARE(cell(load.grid, matchcol::Home, row), threeMatches.at(row).home);
            QCOMPARE(cell(load.grid, matchcol::Pool1, row), u"40"_s);
        }
    }

    void cutInsideAMatchRepeatsTheRowBefore()
    {
        const QByteArray feed = feedOf(threeMatches);
        Answer cut = Answer::ok(feed);
        cut.cutAfter = afterMatchTag(feed, 1) + 20;
        FakeHttpServer server;
        server.setAnswer("/vorlan/fonbet.xml"_ba, cut);
        HttpClient http;
        Load load;

        QCOMPARE(load.run(http, server.url()), Outcome::Broken);

        QCOMPARE(load.grid.RowCount(), 2);
        for (int column = 0; column < matchcol::Count; ++column)
            QCOMPARE(cell(load.grid, column, 1), cell(load.grid, column, 0));
    }

    void requestsTheBookmakersFeed_data()
    {
        QTest::addColumn<Bookmaker>("bookmaker");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("date");

        QTest::newRow("FonBet") << Bookmaker::FonBet << "/vorlan/fonbet.xml"_ba << u"01.03.2025"_s;
        QTest::newRow("MarathonBet") << Bookmaker::MarathonBet << "/vorlan/marathon.xml"_ba << u"-"_s;
        QTest::newRow("1XBet") << Bookmaker::OneXBet << "/vorlan/1xbet.xml"_ba << u"01.03.2025"_s;
    }

    void requestsTheBookmakersFeed()
    {
        QFETCH(Bookmaker, bookmaker);
        QFETCH(QByteArray, path);
        QFETCH(QString, date);
        FakeHttpServer server;
        server.setAnswer(path, Answer::ok(feedOf(threeMatches)));
        HttpClient http;
        Load load;

        QCOMPARE(load.run(http, server.url(), bookmaker), Outcome::Complete);

        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().constFirst().path, path);
        QCOMPARE(load.grid.RowCount(), 3);
        QCOMPARE(cell(load.grid, matchcol::Date, 0), date);
        QCOMPARE(cell(load.grid, matchcol::Away, 2), u"Торонто Мейпл Лифс"_s);
        QCOMPARE(load.grid.hint(matchcol::Sport, 1), u"Премьер-лига России"_s);
    }

    void badNumberStopsTheLoad()
    {
        QList<Match> matches = threeMatches;
        matches[1].p1 = "4o";
        FakeHttpServer server;
        server.setAnswer("/vorlan/fonbet.xml"_ba, Answer::ok(feedOf(matches)));
        HttpClient http;
        Load load;

        QString message;
        try {
            load.run(http, server.url());
        } catch (const GridError &error) {
            message = error.message();
        }

        QCOMPARE(message, u"'4o' is not a valid floating point value"_s);
        QCOMPARE(load.titles, QStringList{u"Тираж № 77"_s});
        QCOMPARE(load.shown.size(), 1);
        QCOMPARE(load.shown[0].outcome, Outcome::Complete);
        QCOMPARE(load.grid.RowCount(), 2);
        QCOMPARE(cell(load.grid, matchcol::Pool1, 0), u"40"_s);
        QCOMPARE(cell(load.grid, matchcol::Away, 1), u"Локомотив"_s);
        QCOMPARE(cell(load.grid, matchcol::Pool1, 1), u"0"_s);
    }

    void twoLoadsInARow()
    {
        QList<Match> second{{u"NHL Hockey"_s, {}, u"Рейнджерс"_s, u"Айлендерс"_s}};
        FakeHttpServer server;
        server.setAnswer("/vorlan/fonbet.xml"_ba, Answer::ok(feedOf(threeMatches)));
        HttpClient http;
        Load load;

        QCOMPARE(load.run(http, server.url()), Outcome::Complete);
        QCOMPARE(load.grid.RowCount(), 3);
        server.setAnswer("/vorlan/fonbet.xml"_ba,
                         Answer::ok(feedOf(second, u"Тираж № 78"_s)));
        QCOMPARE(load.run(http, server.url()), Outcome::Complete);

        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(load.titles, (QStringList{u"Тираж № 77"_s, u"Тираж № 78"_s}));
        QCOMPARE(load.grid.RowCount(), 1);
        QCOMPARE(cell(load.grid, matchcol::Home, 0), u"Рейнджерс"_s);
        // Nothing carries over from the first load.
        QCOMPARE(cell(load.grid, matchcol::Date, 0), QString());
    }
};

QTEST_GUILESS_MAIN(FeedLoaderTest)
#include "tst_feedloader.moc"
