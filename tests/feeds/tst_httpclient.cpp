#include "feeds/httpclient.h"
#include "tests/support/fakehttpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Answer = FakeHttpServer::Answer;
using Outcome = Download::Outcome;

Q_DECLARE_METATYPE(FakeHttpServer::Answer)

namespace {

const QByteArray feedPath = "/vorlan/fonbet.xml"_ba;

QByteArray numberedBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

} // namespace

class HttpClientTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sendsFeedHeaders()
    {
        FakeHttpServer server;
        server.setAnswer(feedPath, Answer::ok("<TIRAGE>x</TIRAGE>"_ba));
        HttpClient http;

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, Outcome::Complete);
        QCOMPARE(download.body, "<TIRAGE>x</TIRAGE>"_ba);
        QVERIFY(download.error.isEmpty());
        QCOMPARE(server.requests().size(), 1);
        const FakeHttpServer::Request &request = server.requests().constFirst();
        QCOMPARE(request.method, "GET"_ba);
        QCOMPARE(request.path, feedPath);
        QCOMPARE(request.header("Accept"), "text/html, */*"_ba);
        QCOMPARE(request.header("Content-Type"), "text/html"_ba);
        QCOMPARE(request.header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)"_ba);
        QCOMPARE(request.header("Accept-Encoding"), "identity"_ba);
    }

    void goesDirectPastAConfiguredProxy()
    {
        FakeHttpServer server;
        server.setAnswer(feedPath, Answer::ok("feed"_ba));
        FakeHttpServer proxy;
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, u"127.0.0.1"_s, proxy.url().port()));
        HttpClient http;

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);

        QCOMPARE(download.outcome, Outcome::Complete);
        QCOMPARE(server.requests().size(), 1);
        QVERIFY(proxy.requests().isEmpty());
    }

    void sendsCookiesBack()
    {
        FakeHttpServer server;
        Answer first = Answer::ok("one"_ba);
        first.headers.append({"Set-Cookie"_ba, "vorlan_session=abc123; Path=/"_ba});
        server.setAnswer("/vorlan/fonbet.xml"_ba, first);
        server.setAnswer("/vorlan/marathon.xml"_ba, Answer::ok("two"_ba));
        HttpClient http;

        http.get(server.url(u"/vorlan/fonbet.xml"_s));
        const Download second = http.get(server.url(u"/vorlan/marathon.xml"_s));

        QCOMPARE(second.outcome, Outcome::Complete);
        QCOMPARE(server.requests().size(), 2);
        QVERIFY(server.requests().at(0).header("Cookie").isEmpty());
        QCOMPARE(server.requests().at(1).header("Cookie"), "vorlan_session=abc123"_ba);
    }

    void failures_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<Answer>("answer");

        QTest::newRow("closed port") << false << Answer();
        QTest::newRow("404") << true << Answer::withStatus(404, "<html>gone</html>"_ba);
        QTest::newRow("500") << true << Answer::withStatus(500, "<html>oops</html>"_ba);
        QTest::newRow("302 redirect") << true << Answer::redirect(302, "/vorlan/moved.xml"_ba);
        QTest::newRow("301 redirect") << true << Answer::redirect(301, "/vorlan/moved.xml"_ba);
        Answer endlessError = Answer::withStatus(503);
        endlessError.endless = true;
        QTest::newRow("503 with endless body") << true << endlessError;
    }

    void failures()
    {
        QFETCH(bool, reachable);
        QFETCH(Answer, answer);
        FakeHttpServer server;
        server.setAnswer(feedPath, answer);
        server.setAnswer("/vorlan/moved.xml"_ba, Answer::ok("<MATCH>moved</MATCH>"_ba));
        const QUrl url = reachable ? server.url(QString::fromLatin1(feedPath))
                                   : FakeHttpServer::closedUrl();
        HttpClient http;
        http.setStallTimeout(5s);

        const Download download = http.get(url);

        QCOMPARE(download.outcome, Outcome::Failed);
        QVERIFY(download.body.isEmpty());
        QVERIFY(!download.error.isEmpty());
        // A redirect is not followed.
        QCOMPARE(server.requests().size(), reachable ? 1 : 0);
    }

    void notPlainHttp_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("local file") << QUrl::fromLocalFile(QCoreApplication::applicationFilePath());
        QTest::newRow("data") << QUrl(u"data:text/plain,hello"_s);
        QTest::newRow("no host") << QUrl(u"http:/vorlan/fonbet.xml"_s);
    }

    void notPlainHttp()
    {
        QFETCH(QUrl, url);
        HttpClient http;
        const Download download = http.get(url);
        QCOMPARE(download.outcome, Outcome::Failed);
        QVERIFY(download.body.isEmpty());
    }

    void brokenTransfers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("reason"); // its beginning

        const QByteArray body = numberedBytes(100);
        Answer cut = Answer::ok(body);
        cut.cutAfter = 10;
        QTest::newRow("cut after 10 bytes") << cut << body.first(10)
                                            << u"connection closed after 10 of 100 bytes"_s;
        Answer cutAtStart = Answer::ok(body);
        cutAtStart.cutAfter = 0;
        QTest::newRow("cut before the body") << cutAtStart << QByteArray()
                                             << u"connection closed after 0 of 100 bytes"_s;
        Answer silent = Answer::ok(body);
        silent.silent = true;
        QTest::newRow("never answers") << silent << QByteArray() << u"no answer for 400 ms"_s;
        Answer stall = Answer::ok(body);
        stall.stallAfter = 7;
        QTest::newRow("stalls mid-body") << stall << body.first(7) << u"no data for 400 ms after "_s;
        Answer dripThenStall = Answer::ok(body);
        dripThenStall.stallAfter = 30;
        dripThenStall.dripBytes = 10;
        dripThenStall.dripInterval = 20ms;
        QTest::newRow("drips, then stalls") << dripThenStall << body.first(30)
                                            << u"no data for 400 ms after "_s;
    }

    void brokenTransfers()
    {
        QFETCH(Answer, answer);
        QFETCH(QByteArray, expected);
        QFETCH(QString, reason);
        FakeHttpServer server;
        server.setAnswer(feedPath, answer);
        HttpClient http;
        http.setStallTimeout(400ms);
        QElapsedTimer clock;
        clock.start();

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, Outcome::Broken);
        QCOMPARE(download.body, expected);
        QVERIFY2(download.error.startsWith(reason), qPrintable(download.error));
        QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
    }

    // What a server may send in place of a well-framed answer, and how the
    // client takes it: the body ends only where the answer says it does.
    void framing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("reason"); // exact; empty when complete

        const QByteArray body = numberedBytes(100);
        const auto raw = [](const QByteArray &headers, const QByteArray &rawBody, qsizetype cut = -1) {
            Answer answer;
            answer.rawHead = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n"_ba + headers
                             + "Connection: close\r\n\r\n"_ba;
            answer.body = rawBody;
            answer.cutAfter = cut;
            return answer;
        };
        const auto length = [](const QByteArray &value) { return "Content-Length: "_ba + value + "\r\n"_ba; };

        // Content-Length.
        QTest::newRow("length -1, closed early") << raw(length("-1"), body, 50) << Outcome::Broken
            << body.first(50) << u"Content-Length '-1' is not a number"_s;
        QTest::newRow("length 0x2000, closed early") << raw(length("0x2000"), body, 50) << Outcome::Broken
            << body.first(50) << u"Content-Length '0x2000' is not a number"_s;
        QTest::newRow("length 1e4, closed early") << raw(length("1e4"), body, 50) << Outcome::Broken
            << body.first(50) << u"Content-Length '1e4' is not a number"_s;
        QTest::newRow("length +100") << raw(length("+100"), body) << Outcome::Broken << body
            << u"Content-Length '+100' is not a number"_s;
        QTest::newRow("length of twenty 9s, closed early")
            << raw(length("99999999999999999999"), body, 50) << Outcome::Broken << body.first(50)
            << u"Content-Length '99999999999999999999' is out of range"_s;
        QTest::newRow("length '100, 100' on one line") << raw(length("100, 100"), body, 50)
            << Outcome::Broken << body.first(50) << u"Content-Length '100, 100' is not a number"_s;
        QTest::newRow("two lengths that disagree") << raw(length("50") + length("100"), body)
            << Outcome::Broken << body << u"two Content-Length headers disagree: 50 and 100"_s;
        QTest::newRow("two lengths that agree") << raw(length("100") + length("100"), body)
            << Outcome::Complete << body << QString();
        QTest::newRow("body shorter than its length") << raw(length("100"), body, 50) << Outcome::Broken
            << body.first(50) << u"connection closed after 50 of 100 bytes"_s;
        QTest::newRow("body longer than its length") << raw(length("60"), body) << Outcome::Complete
            << body.first(60) << QString();
        QTest::newRow("no length: the body ends at the close") << raw({}, body) << Outcome::Complete
            << body << QString();

        // Chunks.
        const QByteArray chunked = "Transfer-Encoding: chunked\r\n"_ba;
        const QByteArray firstChunk = "a\r\n"_ba + body.first(10) + "\r\n"_ba;
        QTest::newRow("chunked") << raw(chunked, firstChunk + "5;name=value\r\n"_ba + body.sliced(10, 5)
                                                     + "\r\n0\r\nX-Trailer: 1\r\n\r\n"_ba)
            << Outcome::Complete << body.first(15) << QString();
        Answer chunkedPieces = raw(chunked, firstChunk + "5;name=value\r\n"_ba + body.sliced(10, 5)
                                                + "\r\n0\r\nX-Trailer: 1\r\n\r\n"_ba);
        chunkedPieces.dripHead = true;
        chunkedPieces.dripBytes = 3;
        chunkedPieces.dripInterval = 1ms;
        QTest::newRow("chunked, head and body in 3-byte pieces") << chunkedPieces << Outcome::Complete
                                                                 << body.first(15) << QString();
        Answer lengthPieces = raw(length("100"), body, 50);
        lengthPieces.dripBytes = 7;
        lengthPieces.dripInterval = 1ms;
        QTest::newRow("length, body in 7-byte pieces, closed early") << lengthPieces << Outcome::Broken
            << body.first(50) << u"connection closed after 50 of 100 bytes"_s;
        QTest::newRow("chunked beats a length") << raw(length("3") + chunked, firstChunk + "0\r\n\r\n"_ba)
            << Outcome::Complete << body.first(10) << QString();
        QTest::newRow("chunk size zz") << raw(chunked, firstChunk + "zz\r\n"_ba + body + "\r\n0\r\n\r\n"_ba)
            << Outcome::Broken << body.first(10)
            << u"chunk size 'zz' is not a hexadecimal number, after 10 bytes of the body"_s;
        QTest::newRow("chunk size of twenty Fs")
            << raw(chunked, firstChunk + "FFFFFFFFFFFFFFFFFFFF\r\n"_ba + body)
            << Outcome::Broken << body.first(10)
            << u"chunk size 'FFFFFFFFFFFFFFFFFFFF' is too large, after 10 bytes of the body"_s;
        QTest::newRow("chunk size -5") << raw(chunked, firstChunk + "-5\r\n"_ba + body)
            << Outcome::Broken << body.first(10)
            << u"chunk size '-5' is not a hexadecimal number, after 10 bytes of the body"_s;
        QTest::newRow("chunk longer than its size")
            << raw(chunked, "5\r\n"_ba + body.first(10) + "\r\n0\r\n\r\n"_ba) << Outcome::Broken
            << body.first(5) << u"a chunk runs past its size, after 5 bytes of the body"_s;
        QTest::newRow("closed inside a chunk") << raw(chunked, firstChunk + "14\r\n"_ba + body.sliced(10, 3))
            << Outcome::Broken << body.first(13)
            << u"connection closed inside the chunked body after 13 bytes"_s;
        QTest::newRow("closed before the last chunk") << raw(chunked, firstChunk) << Outcome::Broken
            << body.first(10) << u"connection closed inside the chunked body after 10 bytes"_s;
        QTest::newRow("another transfer coding") << raw("Transfer-Encoding: gzip, chunked\r\n"_ba, body)
            << Outcome::Failed << QByteArray() << u"Transfer-Encoding 'gzip, chunked' is not supported"_s;

        // Content coding: asked for as it is, so anything else is of no use.
        QTest::newRow("gzip-encoded body") << raw("Content-Encoding: gzip\r\n"_ba + length("20"),
                                                  QByteArray(20, '\x1f'))
            << Outcome::Failed << QByteArray() << u"the server sent the body gzip-encoded, not as it is"_s;

        // The head.
        Answer interim = raw(length("100"), body);
        interim.rawHead.prepend("HTTP/1.1 100 Continue\r\n\r\n"_ba);
        QTest::newRow("100 Continue first") << interim << Outcome::Complete << body << QString();
        Answer garbage;
        garbage.rawHead = "SSH-2.0-OpenSSH\r\n\r\n"_ba;
        QTest::newRow("not HTTP") << garbage << Outcome::Failed << QByteArray()
                                  << u"not an HTTP answer: 'SSH-2.0-OpenSSH'"_s;
        Answer flood = raw(QByteArray("X-Flood: ").append(70'000, 'f') + "\r\n"_ba, body);
        QTest::newRow("header flood") << flood << Outcome::Failed << QByteArray()
                                      << u"response head longer than 65,536 bytes"_s;
        Answer badHeader = raw("Content Length: 5\r\n"_ba, body);
        QTest::newRow("malformed header line") << badHeader << Outcome::Failed << QByteArray()
                                               << u"malformed header line 'Content Length: 5'"_s;
        Answer cutHead;
        cutHead.rawHead = "HTTP/1.1 200 OK\r\nContent-Le"_ba;
        cutHead.cutAfter = 0;
        QTest::newRow("closed inside the head") << cutHead << Outcome::Failed << QByteArray()
                                                << u"connection closed inside the response head"_s;
        Answer reset = Answer::ok(body);
        reset.reset = true;
        QTest::newRow("reset before any answer") << reset << Outcome::Failed << QByteArray()
                                                 << u"connection closed before any answer"_s;
    }

    void framing()
    {
        QFETCH(Answer, answer);
        QFETCH(Outcome, outcome);
        QFETCH(QByteArray, expected);
        QFETCH(QString, reason);
        FakeHttpServer server;
        server.setAnswer(feedPath, answer);
        HttpClient http;
        http.setStallTimeout(2s);

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.error, reason);
        QCOMPARE(download.outcome, outcome);
        QCOMPARE(download.body, expected);
    }

    void headerLinesCountAsProgress()
    {
        // A head that takes several stall bounds to arrive, a line at a time.
        QByteArray head = "HTTP/1.1 200 OK\r\n"_ba;
        for (int n = 0; n < 8; ++n)
            head += "X-Line-" + QByteArray::number(n) + ": waiting\r\n";
        const QByteArray body = numberedBytes(40);
        Answer drip;
        drip.rawHead = head + "Content-Length: 40\r\n\r\n"_ba;
        drip.body = body;
        drip.dripHead = true;
        drip.dripBytes = 20;
        drip.dripInterval = 100ms;
        FakeHttpServer server;
        server.setAnswer(feedPath, drip);
        HttpClient http;
        http.setStallTimeout(300ms);

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.error, QString());
        QCOMPARE(download.outcome, Outcome::Complete);
        QCOMPARE(download.body, body);
    }

    void totalTimeIsBounded()
    {
        // Each piece comes well within the stall bound; only the total ends it.
        const QByteArray body = numberedBytes(10'000);
        Answer drip = Answer::ok(body);
        drip.dripBytes = 1;
        drip.dripInterval = 20ms;
        FakeHttpServer server;
        server.setAnswer(feedPath, drip);
        HttpClient http;
        http.setStallTimeout(5s);
        http.setTotalTimeout(500ms);
        QElapsedTimer clock;
        clock.start();

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, Outcome::Broken);
        QVERIFY(!download.body.isEmpty());
        QVERIFY(download.body.size() < body.size());
        QVERIFY(body.startsWith(download.body));
        QVERIFY2(clock.elapsed() < 5'000, qPrintable(QString::number(clock.elapsed())));
    }

    void steadyDripCompletes()
    {
        // Slower in all than the stall bound, but never silent that long.
        const QByteArray body = numberedBytes(60);
        Answer drip = Answer::ok(body);
        drip.dripBytes = 10;
        drip.dripInterval = 150ms;
        FakeHttpServer server;
        server.setAnswer(feedPath, drip);
        HttpClient http;
        http.setStallTimeout(600ms);

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, Outcome::Complete);
        QCOMPARE(download.body, body);
    }

    void bodyLimit_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray body = numberedBytes(1000);
        QTest::newRow("under") << Answer::ok(body.first(99)) << Outcome::Complete << body.first(99);
        QTest::newRow("exactly") << Answer::ok(body.first(100)) << Outcome::Complete
                                 << body.first(100);
        QTest::newRow("one over") << Answer::ok(body.first(101)) << Outcome::Broken
                                  << body.first(100);
        QTest::newRow("far over") << Answer::ok(numberedBytes(4 * 1024 * 1024)) << Outcome::Broken
                                  << body.first(100);
        Answer pieces = Answer::ok(body);
        pieces.dripBytes = 30;
        pieces.dripInterval = 5ms;
        QTest::newRow("over in pieces") << pieces << Outcome::Broken << body.first(100);
        Answer endless = Answer::ok(body);
        endless.endless = true;
        QTest::newRow("endless") << endless << Outcome::Broken << body.first(100);
    }

    void bodyLimit()
    {
        QFETCH(Answer, answer);
        QFETCH(Outcome, outcome);
        QFETCH(QByteArray, expected);
        FakeHttpServer server;
        server.setAnswer(feedPath, answer);
        HttpClient http;
        http.setMaxBodySize(100);

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, outcome);
        QCOMPARE(download.body, expected);
    }

    void successWithoutBody_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("200, length 0") << Answer::ok({});
        QTest::newRow("204") << Answer::withStatus(204);
    }

    void successWithoutBody()
    {
        QFETCH(Answer, answer);
        FakeHttpServer server;
        server.setAnswer(feedPath, answer);
        HttpClient http;

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, Outcome::Complete);
        QVERIFY(download.body.isEmpty());
    }

    void bodyIsTakenAsBytes()
    {
        // Windows-1251 text, a NUL and bytes that are not UTF-8, under a
        // header that claims UTF-8: all must come back untouched.
        QByteArray body = "<HOME>\xd1\xef\xe0\xf0\xf2\xe0\xea</HOME>"_ba;
        for (int byte = 0; byte < 256; ++byte)
            body.append(char(byte));
        FakeHttpServer server;
        server.setAnswer(feedPath, Answer::ok(body, "text/html; charset=utf-8"_ba));
        HttpClient http;

        const Download download = http.get(server.url(QString::fromLatin1(feedPath)));

        QCOMPARE(download.outcome, Outcome::Complete);
        QCOMPARE(download.body, body);
    }

    void oneClientServesManyDownloads()
    {
        FakeHttpServer server;
        server.setAnswer("/a"_ba, Answer::ok("first"_ba));
        server.setAnswer("/b"_ba, Answer::withStatus(404));
        server.setAnswer("/c"_ba, Answer::ok("third"_ba));
        HttpClient http;

        QCOMPARE(http.get(server.url(u"/a"_s)).body, "first"_ba);
        QCOMPARE(http.get(server.url(u"/b"_s)).outcome, Outcome::Failed);
        const Download last = http.get(server.url(u"/c"_s));
        QCOMPARE(last.outcome, Outcome::Complete);
        QCOMPARE(last.body, "third"_ba);
    }
};

QTEST_GUILESS_MAIN(HttpClientTest)
#include "tst_httpclient.moc"
