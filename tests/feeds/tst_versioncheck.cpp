#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "feeds/versioncheck.h"
#include "tests/support/fakehttpserver.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Answer = FakeHttpServer::Answer;

Q_DECLARE_METATYPE(FakeHttpServer::Answer)
Q_DECLARE_METATYPE(VersionCheck::State)

namespace {

const QByteArray markerPath = "/refresh/vorlan4.6.txt"_ba;

QString markerOn(const FakeHttpServer &server)
{
    return server.url(QString::fromLatin1(markerPath)).toString();
}

} // namespace

class VersionCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void prefix_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("requested");

        QTest::newRow("no scheme") << u"www.vorlan.example/refresh/vorlan4.6.txt"_s
                                   << u"http://www.vorlan.example/refresh/vorlan4.6.txt"_s;
        QTest::newRow("http") << u"http://x/a"_s << u"http://x/a"_s;
        QTest::newRow("upper-case scheme kept") << u"HTTP://X/A"_s << u"HTTP://X/A"_s;
        QTest::newRow("mixed-case scheme kept") << u"Http://x"_s << u"Http://x"_s;
        QTest::newRow("https is prefixed") << u"https://x/a"_s << u"http://https://x/a"_s;
        QTest::newRow("http:// inside the query") << u"ftp://x/?back=http://y"_s
                                                  << u"ftp://x/?back=http://y"_s;
        QTest::newRow("upper-case inside") << u"x/?u=HTTP://y"_s << u"x/?u=HTTP://y"_s;
        QTest::newRow("empty") << QString() << u"http://"_s;
    }

    void prefix()
    {
        QFETCH(QString, url);
        QFETCH(QString, requested);
        QCOMPARE(withHttpPrefix(url), requested);
    }

    void status_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("passes");

        QTest::newRow("200") << Answer::ok("4.6"_ba, "text/plain"_ba) << true;
        QTest::newRow("302") << Answer::redirect(302, "/gone.txt"_ba) << true;
        QTest::newRow("301") << Answer::redirect(301, "/refresh/vorlan4.6.txt"_ba) << false;
        QTest::newRow("307") << Answer::redirect(307, "/refresh/vorlan4.6.txt"_ba) << false;
        QTest::newRow("204") << Answer::withStatus(204) << false;
        QTest::newRow("403") << Answer::withStatus(403, "<html>no</html>"_ba) << false;
        QTest::newRow("404") << Answer::withStatus(404, "<html>gone</html>"_ba) << false;
        QTest::newRow("500") << Answer::withStatus(500, "<html>oops</html>"_ba) << false;
    }

    void status()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, passes);
        FakeHttpServer server;
        server.setAnswer(markerPath, answer);
        server.setAnswer("/gone.txt"_ba, Answer::withStatus(404));
        HttpClient http;

        QCOMPARE(CheckVersionUrl(http, markerOn(server)), passes);
        // A redirect is not followed.
        QCOMPARE(server.requests().size(), 1);
    }

    void unreachableIsFalse()
    {
        HttpClient http;
        QVERIFY(!CheckVersionUrl(http, FakeHttpServer::closedUrl().toString() + u"/refresh/vorlan4.6.txt"_s));
    }

    void silentServerIsFalseWithinTheBound()
    {
        Answer silent = Answer::ok("4.6"_ba);
        silent.silent = true;
        FakeHttpServer server;
        server.setAnswer(markerPath, silent);
        HttpClient http;
        http.setProbeTimeout(300ms);
        QElapsedTimer clock;
        clock.start();

        QVERIFY(!CheckVersionUrl(http, markerOn(server)));

        QCOMPARE(server.requests().size(), 1);
        QVERIFY2(clock.elapsed() < 5'000, qPrintable(QString::number(clock.elapsed())));
    }

    void threeWay_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<VersionCheck::State>("state");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason"); // a part of it, in any case

        using State = VersionCheck::State;
        QTest::newRow("200") << true << Answer::ok("4.6"_ba, "text/plain"_ba) << State::Current << 200
                             << QString();
        QTest::newRow("302") << true << Answer::redirect(302, "/gone.txt"_ba) << State::Current << 302
                             << QString();
        QTest::newRow("301") << true << Answer::redirect(301, "/gone.txt"_ba) << State::Retired << 301
                             << QString();
        QTest::newRow("404") << true << Answer::withStatus(404) << State::Retired << 404 << QString();
        QTest::newRow("500") << true << Answer::withStatus(500) << State::Retired << 500 << QString();
        QTest::newRow("refused") << false << Answer() << State::Unreachable << 0
                                 << u"connection refused"_s;
        Answer silent = Answer::ok("4.6"_ba);
        silent.silent = true;
        QTest::newRow("silent") << true << silent << State::Unreachable << 0
                                << u"no answer within 300 ms"_s;
        Answer reset = Answer::ok("4.6"_ba);
        reset.reset = true;
        QTest::newRow("reset") << true << reset << State::Unreachable << 0 << u"connection"_s;
    }

    void threeWay()
    {
        QFETCH(bool, reachable);
        QFETCH(Answer, answer);
        QFETCH(VersionCheck::State, state);
        QFETCH(int, status);
        QFETCH(QString, reason);
        FakeHttpServer server;
        server.setAnswer(markerPath, answer);
        server.setAnswer("/gone.txt"_ba, Answer::withStatus(404));
        const QString url = reachable ? markerOn(server)
                                      : FakeHttpServer::closedUrl().toString() + QString::fromLatin1(markerPath);
        HttpClient http;
        http.setProbeTimeout(300ms);

        const VersionCheck check = checkVersion(http, url);

        QCOMPARE(check.state, state);
        QCOMPARE(check.status, status);
        QCOMPARE(check.url, QUrl(url));
        if (reason.isEmpty())
            QCOMPARE(check.reason, QString());
        else
            QVERIFY2(check.reason.contains(reason, Qt::CaseInsensitive), qPrintable(check.reason));
        // The yes/no form agrees.
        QCOMPARE(CheckVersionUrl(http, url), state == VersionCheck::State::Current);
    }

    void unreachableMessageNamesHostAndReason()
    {
        VersionCheck check;
        check.url = QUrl(u"http://127.0.0.1:8080/refresh/vorlan4.6.txt"_s);
        check.reason = u"Connection refused"_s;

        const QStringList lines = unreachableMessage(check).split(u'\r');

        QCOMPARE(lines.size(), 2);
        for (const QString &line : lines) {
            QVERIFY2(line.contains(u"127.0.0.1:8080"_s), qPrintable(line));
            QVERIFY2(line.contains(u"(Connection refused)"_s), qPrintable(line));
        }
        QVERIFY(lines[0].startsWith(u"Cannot reach the server"_s));
        QVERIFY(lines[0].contains(u"Check the Internet connection"_s));
        QVERIFY(lines[1].startsWith(u"Нет связи с сервером"_s));
        QVERIFY(lines[1].contains(u"Проверьте подключение"_s));
    }

    void bodyIsNotRead_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("passes");

        Answer endless = Answer::ok({}, "text/plain"_ba);
        endless.endless = true;
        QTest::newRow("endless 200") << endless << true;
        Answer huge = endless;
        huge.headers.append({"Content-Length"_ba, "1073741824"_ba});
        QTest::newRow("1 GiB declared") << huge << true;
        Answer stalled = Answer::ok(QByteArray(1000, 'v'), "text/plain"_ba);
        stalled.stallAfter = 10;
        QTest::newRow("body stalls") << stalled << true;
        Answer endlessError = Answer::withStatus(404);
        endlessError.endless = true;
        QTest::newRow("endless 404") << endlessError << false;
    }

    void bodyIsNotRead()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, passes);
        FakeHttpServer server;
        server.setAnswer(markerPath, answer);
        HttpClient http;
        QElapsedTimer clock;
        clock.start();

        // With the default 30-second bound: returning well before it shows
        // that the call did not wait for the body.
        QCOMPARE(CheckVersionUrl(http, markerOn(server)), passes);

        QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
    }

    void requestBypassesCaches()
    {
        FakeHttpServer server;
        server.setAnswer(markerPath, Answer::ok("4.6"_ba, "text/plain"_ba));
        HttpClient http;

        QVERIFY(CheckVersionUrl(http, markerOn(server)));

        QCOMPARE(server.requests().size(), 1);
        const FakeHttpServer::Request &request = server.requests().constFirst();
        QCOMPARE(request.method, "GET"_ba);
        QCOMPARE(request.path, markerPath);
        QCOMPARE(request.header("User-Agent"), "InetURL:/1.0"_ba);
        QCOMPARE(request.header("Cache-Control"), "no-cache"_ba);
        QCOMPARE(request.header("Pragma"), "no-cache"_ba);
    }

    void keepsNothingBetweenCalls()
    {
        // A cacheable answer that sets a cookie: the second call must still
        // reach the server, and without the cookie.
        Answer cacheable = Answer::ok("4.6"_ba, "text/plain"_ba);
        cacheable.headers.append({"Cache-Control"_ba, "max-age=3600"_ba});
        cacheable.headers.append({"Set-Cookie"_ba, "seen=1; Path=/"_ba});
        FakeHttpServer server;
        server.setAnswer(markerPath, cacheable);
        HttpClient http;

        QVERIFY(CheckVersionUrl(http, markerOn(server)));
        QVERIFY(CheckVersionUrl(http, markerOn(server)));

        QCOMPARE(server.requests().size(), 2);
        QVERIFY(server.requests().at(1).header("Cookie").isEmpty());
    }

    void sendsNoFeedCookie()
    {
        // The client keeps the feed's cookies for the run; the probe is not
        // a feed request and sends none of them.
        Answer feed = Answer::ok("<TIRAGE>x</TIRAGE>"_ba);
        feed.headers.append({"Set-Cookie"_ba, "vorlan_session=abc123; Path=/"_ba});
        FakeHttpServer server;
        server.setAnswer("/vorlan/fonbet.xml"_ba, feed);
        server.setAnswer(markerPath, Answer::ok("4.6"_ba, "text/plain"_ba));
        HttpClient http;

        QCOMPARE(http.get(server.url(u"/vorlan/fonbet.xml"_s)).outcome, Download::Outcome::Complete);
        QVERIFY(CheckVersionUrl(http, markerOn(server)));

        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests().at(1).path, markerPath);
        QVERIFY(server.requests().at(1).header("Cookie").isEmpty());
    }

    void urlWithoutSchemeReachesTheServer()
    {
        FakeHttpServer server;
        server.setAnswer(markerPath, Answer::ok("4.6"_ba, "text/plain"_ba));
        const QString bare = u"127.0.0.1:%1"_s.arg(server.url().port()) + QString::fromLatin1(markerPath);
        HttpClient http;

        QVERIFY(CheckVersionUrl(http, bare));
        QCOMPARE(server.requests().size(), 1);
    }

    void vendorAddresses_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("downloadPage");
        QTest::addColumn<QString>("site");

        const QString page = u"/index.php?option=com_content&view=article&id=65&Itemid=20#скачать"_s;
        QTest::newRow("vendor") << QString() << u"http://vorlan.example/refresh/vorlan4.6.txt"_s
                                << u"http://vorlan.example"_s + page << u"vorlan.example"_s;
        QTest::newRow("local mirror") << u"http://127.0.0.1:8080"_s
                                      << u"http://127.0.0.1:8080/refresh/vorlan4.6.txt"_s
                                      << u"http://127.0.0.1:8080"_s + page << u"127.0.0.1:8080"_s;
        QTest::newRow("mirror below a path") << u"http://mirror.example/vorlan-site/"_s
                                             << u"http://mirror.example/vorlan-site/refresh/vorlan4.6.txt"_s
                                             << u"http://mirror.example/vorlan-site"_s + page
                                             << u"mirror.example"_s;
    }

    void vendorAddresses()
    {
        QFETCH(QString, server);
        QFETCH(QString, marker);
        QFETCH(QString, downloadPage);
        QFETCH(QString, site);
        const QUrl base = vendor::serverUrl(server);

        QCOMPARE(vendor::markerUrl(base), QUrl(marker));
        QCOMPARE(vendor::downloadPageUrl(base), QUrl(downloadPage));
        QCOMPARE(vendor::downloadPageUrl(base).fragment(), u"скачать"_s);
        QCOMPARE(vendor::updateMessage(base),
                 u"Update Programm from site "_s + site + u"\rОбновите программу с сайта!"_s);
    }
};

QTEST_GUILESS_MAIN(VersionCheckTest)
#include "tst_versioncheck.moc"
