#include "tests/support/fakehttpserver.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>

#include <clocale>
#include <string>

using namespace Qt::StringLiterals;
using Answer = FakeHttpServer::Answer;

Q_DECLARE_METATYPE(FakeHttpServer::Answer)

namespace {

QString data(const QString &name)
{
    return QStringLiteral(VORLAN_TEST_DATA "/") + name;
}

QByteArray readData(const QString &name)
{
    QFile file(data(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool to its end. A null input leaves standard input closed and
// empty. The wait runs this thread's event loop, so a FakeHttpServer of the
// test answers the tool meanwhile.
Run run(const QStringList &arguments, const QByteArray &input = {}, const QString &locale = u"C.UTF-8"_s)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, locale);
    process.setProcessEnvironment(environment);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(VORLAN_FEED_PROGRAM), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if ((finished.isEmpty() && !finished.wait(60000)) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray kQuotingCsv =
    "\"Тираж \"\"5\"\", весна\"\n"
    "1,1,12.03,19:30,\"Team \"\"A\"\", Ltd\",\"Line\r\nbreak\",40,35,25,45.5,30,24.5,"
    "38,30,32,17,38,30,32,17,40,35,25,40,35,25,1,12,1,1X,1,,\"Лига, Hockey\"\n"
    "1,2,12.03,19:30,Спартак,ЦСКА,40,35,25,45.5,30,24.5,"
    "0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,\"Лига, Hockey\"\n"_ba;

// kQuotingCsv's title record, and its first row.
const QByteArray kQuotingTitle = kQuotingCsv.first(kQuotingCsv.indexOf('\n') + 1);
const QByteArray kQuotingFirstRow = kQuotingCsv.sliced(kQuotingTitle.size(),
                                                       kQuotingCsv.indexOf("\n1,2,") + 1 - kQuotingTitle.size());

const QByteArray kStopCsv =
    "\"\"\n"
    "0,1,d,t,Дом,Гости,1,2,3,4,5,6,38,30,32,17,38,30,32,17,40,35,25,40,35,25,1,12,1,1X,1,,Лига\n"
    "0,2,d,t,Волга,Гости,1,2,3,4,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,Лига\n"_ba;

// Whether the C library has the locale; the tool's runs in it would
// otherwise fall back to C and hide the faults they look for.
bool localeInstalled(const QByteArray &name)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const bool installed = std::setlocale(LC_ALL, name.constData()) != nullptr;
    std::setlocale(LC_ALL, before.c_str());
    return installed;
}

} // namespace

class VorlanFeedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void output_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");

        const QString quoting = data(u"quoting.xml"_s);
        const QByteArray quotingFeed = readData(u"quoting.xml"_s);

        QTest::newRow("file") << QStringList{u"--decimal-separator"_s, u"."_s, quoting} << QByteArray()
                              << u"C.UTF-8"_s << 0 << kQuotingCsv << QByteArray();
        QTest::newRow("standard input without FILE")
            << QStringList{u"--decimal-separator=."_s} << quotingFeed << u"C.UTF-8"_s << 0 << kQuotingCsv
            << QByteArray();
        QTest::newRow("standard input as -")
            << QStringList{u"--decimal-separator"_s, u"."_s, u"-"_s} << quotingFeed << u"C.UTF-8"_s << 0
            << kQuotingCsv << QByteArray();
        QTest::newRow("1xbet reads dates like fonbet")
            << QStringList{u"--bookmaker"_s, u"1xbet"_s, quoting} << QByteArray() << u"C.UTF-8"_s << 0
            << kQuotingCsv << QByteArray();
        QTest::newRow("locale's decimal point by default")
            << QStringList{quoting} << QByteArray() << u"C.UTF-8"_s << 0 << kQuotingCsv << QByteArray();

        QByteArray marathon = kQuotingCsv;
        marathon.replace(",12.03,19:30,", ",-,-,");
        QTest::newRow("marathonbet") << QStringList{u"--bookmaker"_s, u"marathonbet"_s, quoting}
                                     << QByteArray() << u"C.UTF-8"_s << 0 << marathon << QByteArray();

        QTest::newRow("empty feed: the empty title alone") << QStringList{} << QByteArray() << u"C.UTF-8"_s
                                                           << 0 << "\"\"\n"_ba << QByteArray();

        QTest::newRow("bad number: rows so far, exit 1")
            << QStringList{data(u"stop.xml"_s)} << QByteArray() << u"C.UTF-8"_s << 1
            << kStopCsv << "'пять' is not a valid floating point value.\n"_ba;
        QTest::newRow("German locale refuses 45.5")
            << QStringList{quoting} << QByteArray() << u"de_DE.UTF-8"_s << 1
            << "\"Тираж \"\"5\"\", весна\"\n"
               "1,1,12.03,19:30,\"Team \"\"A\"\", Ltd\",\"Line\r\nbreak\",40,35,25,0,0,0,"
               "0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,\"Лига, Hockey\"\n"_ba
            << "'45.5' is not a valid floating point value.\n"_ba;

        // Under a locale whose C library reads numbers with a comma, the
        // grid's separator alone decides.
        QByteArray commaFeed = quotingFeed;
        commaFeed.replace("45.5", "28,5").replace("24.5", "24,5");
        QByteArray commaCsv = kQuotingCsv;
        commaCsv.replace(",45.5,30,24.5,", ",\"28,5\",30,\"24,5\",");
        const QByteArray refused45 = "\"Тираж \"\"5\"\", весна\"\n"
                                     "1,1,12.03,19:30,\"Team \"\"A\"\", Ltd\",\"Line\r\nbreak\",40,35,25,0,0,0,"
                                     "0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,\"Лига, Hockey\"\n"_ba;
        QTest::newRow("Russian locale reads and shows 28,5")
            << QStringList{} << commaFeed << u"ru_RU.UTF-8"_s << 0 << commaCsv << QByteArray();
        QTest::newRow("Russian locale refuses 45.5")
            << QStringList{quoting} << QByteArray() << u"ru_RU.UTF-8"_s << 1 << refused45
            << "'45.5' is not a valid floating point value.\n"_ba;
        QTest::newRow("Russian locale with --decimal-separator .")
            << QStringList{u"--decimal-separator"_s, u"."_s, quoting} << QByteArray() << u"ru_RU.UTF-8"_s << 0
            << kQuotingCsv << QByteArray();
        QTest::newRow("German locale reads and shows 28,5")
            << QStringList{} << commaFeed << u"de_DE.UTF-8"_s << 0 << commaCsv << QByteArray();
        QTest::newRow("German locale with --decimal-separator .")
            << QStringList{u"--decimal-separator"_s, u"."_s, quoting} << QByteArray() << u"de_DE.UTF-8"_s << 0
            << kQuotingCsv << QByteArray();
        QTest::newRow("C locale with --decimal-separator ,")
            << QStringList{u"--decimal-separator"_s, u","_s} << commaFeed << u"C.UTF-8"_s << 0 << commaCsv
            << QByteArray();
    }

    void output()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        // A row whose locale is missing fails: set-up generates them.
        QVERIFY2(localeInstalled(locale.toLatin1()), qPrintable(u"locale %1 missing: run scripts/setup.sh"_s.arg(locale)));

        const Run result = run(arguments, input, locale);
        QCOMPARE(result.err, err);
        QCOMPARE(result.out, out);
        QCOMPARE(result.exitCode, exitCode);
    }

    // A load stops after its row limit: the rows so far are printed, stderr
    // names the limit and the exit status is 4.
    void rowLimit_data()
    {
        QTest::addColumn<int>("bareTags");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("err");

        QTest::newRow("at the limit") << 4 << 0 << 5 << QByteArray();
        QTest::newRow("past the limit")
            << 20 << 4 << 5
            << "vorlan-feed: the draw is incomplete: a load stops after 5 rows; the rows so far are printed\n"_ba;
    }

    void rowLimit()
    {
        QFETCH(int, bareTags);
        QFETCH(int, exitCode);
        QFETCH(int, rows);
        QFETCH(QByteArray, err);

        const QByteArray feed = readData(u"quoting.xml"_s);
        const QByteArray first = feed.first(feed.indexOf("</MATCH>") + 8);
        const Run result = run({u"--decimal-separator"_s, u"."_s, u"--row-limit"_s, u"5"_s},
                               first + QByteArray("<MATCH>").repeated(bareTags));
        QCOMPARE(result.err, err);
        QCOMPARE(result.out, kQuotingTitle + kQuotingFirstRow.repeated(rows));
        QCOMPARE(result.exitCode, exitCode);
    }

    // A refused value is quoted up to 200 characters, however long it is.
    void longRefusedValueIsCut()
    {
        QByteArray feed = readData(u"quoting.xml"_s);
        feed.replace("<P1B>45.5</P1B>", "<P1B>" + QByteArray(100000, '4') + "x</P1B>");
        const Run result = run({u"--decimal-separator"_s, u"."_s}, feed);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err, "'" + QByteArray(200, '4') + "…' is not a valid floating point value.\n");
    }

    void commaSeparatorQuotesNumbers()
    {
        QByteArray feed = readData(u"quoting.xml"_s);
        feed.replace("45.5", "45,5").replace("24.5", "24,5");
        const Run result = run({u"--decimal-separator"_s, u","_s}, feed);
        QCOMPARE(result.exitCode, 0);
        QByteArray expected = kQuotingCsv;
        expected.replace(",45.5,30,24.5,", ",\"45,5\",30,\"24,5\",");
        QCOMPARE(result.out, expected);
    }

    // A separator outside ASCII (a middle dot, byte B7 in the feed's
    // Windows-1251) reaches the CSV as its UTF-8 bytes.
    void separatorOutsideAscii()
    {
        QByteArray feed = readData(u"quoting.xml"_s);
        feed.replace("45.5", "45\xB7" "5").replace("24.5", "24\xB7" "5");
        const Run result = run({u"--decimal-separator"_s, u"\u00B7"_s}, feed);
        QCOMPARE(result.err, QByteArray());
        QByteArray expected = kQuotingCsv;
        expected.replace(",45.5,30,24.5,", ",45\xC2\xB7" "5,30,24\xC2\xB7" "5,");
        QCOMPARE(result.out, expected);
        QCOMPARE(result.exitCode, 0);
    }

    void spreadsheetForm_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QByteArray>("out");

        // Decimal comma: fields split by ";" so that a spreadsheet in that
        // locale reads the numbers; commas then need no quotes.
        const QByteArray semicolons =
            "\xEF\xBB\xBF\"Тираж \"\"5\"\", весна\"\n"
            "1;1;12.03;19:30;\"Team \"\"A\"\", Ltd\";\"Line\r\nbreak\";40;35;25;45,5;30;24,5;"
            "38;30;32;17;38;30;32;17;40;35;25;40;35;25;1;12;1;1X;1;;Лига, Hockey\n"
            "1;2;12.03;19:30;Спартак;ЦСКА;40;35;25;45,5;30;24,5;"
            "0;0;0;0;0;0;0;0;0;0;0;0;0;0;;;;;;;Лига, Hockey\n"_ba;
        QTest::newRow("decimal comma: BOM and semicolons") << u","_s << semicolons;
        QTest::newRow("decimal point: BOM and commas") << u"."_s << "\xEF\xBB\xBF" + kQuotingCsv;
    }

    void spreadsheetForm()
    {
        QFETCH(QString, separator);
        QFETCH(QByteArray, out);

        QByteArray feed = readData(u"quoting.xml"_s);
        if (separator == u",")
            feed.replace("45.5", "45,5").replace("24.5", "24,5");
        const Run result = run({u"--spreadsheet"_s, u"--decimal-separator"_s, separator}, feed);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.out, out);
        QCOMPARE(result.exitCode, 0);
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");

        QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s} << "frobnicate"_ba;
        QTest::newRow("unknown bookmaker") << QStringList{u"--bookmaker"_s, u"bwin"_s} << "bwin"_ba;
        QTest::newRow("bookmaker without name") << QStringList{u"--bookmaker"_s} << "bookmaker"_ba;
        QTest::newRow("long separator") << QStringList{u"--decimal-separator"_s, u".."_s} << "one character"_ba;
        QTest::newRow("empty separator") << QStringList{u"--decimal-separator="_s} << "one character"_ba;
        QTest::newRow("two files") << QStringList{data(u"quoting.xml"_s), data(u"stop.xml"_s)} << "one feed"_ba;
        QTest::newRow("missing file") << QStringList{data(u"absent.xml"_s)} << "absent.xml"_ba;
        QTest::newRow("directory") << QStringList{data(QString())} << "cannot open"_ba;

        // Nothing listens there, should a download start by mistake.
        const QString closed = FakeHttpServer::closedUrl().toString();
        QTest::newRow("FILE with --download")
            << QStringList{u"--download"_s, data(u"quoting.xml"_s)} << "a FILE or a download"_ba;
        QTest::newRow("- with --download") << QStringList{u"-"_s, u"--download"_s} << "a FILE or a download"_ba;
        QTest::newRow("FILE with --server")
            << QStringList{u"--server"_s, closed, data(u"quoting.xml"_s)} << "a FILE or a download"_ba;
        QTest::newRow("--download with --server")
            << QStringList{u"--download"_s, u"--server"_s, closed} << "--download or --server"_ba;
        QTest::newRow("--server without URL") << QStringList{u"--server"_s} << "server"_ba;
        QTest::newRow("--server empty") << QStringList{u"--server="_s} << "plain http://"_ba;
        QTest::newRow("--server https") << QStringList{u"--server"_s, u"https://127.0.0.1:1"_s}
                                        << "plain http://"_ba;
        QTest::newRow("--server without scheme") << QStringList{u"--server"_s, u"127.0.0.1:1"_s}
                                                 << "plain http://"_ba;
    }

    void badUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);

        const Run result = run(arguments, readData(u"quoting.xml"_s));
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QByteArray());
        QVERIFY2(result.err.startsWith("vorlan-feed: ") && result.err.contains(message), result.err.constData());
    }

    // The window's download of each bookmaker's feed, in place of FILE and
    // standard input.
    void download_data()
    {
        QTest::addColumn<QString>("bookmaker");
        QTest::addColumn<QString>("serverPath");
        QTest::addColumn<QByteArray>("requestPath");
        QTest::addColumn<QByteArray>("out");

        QByteArray marathon = kQuotingCsv;
        marathon.replace(",12.03,19:30,", ",-,-,");
        QTest::newRow("fonbet") << u"fonbet"_s << QString() << "/vorlan/fonbet.xml"_ba << kQuotingCsv;
        QTest::newRow("marathonbet") << u"marathonbet"_s << QString() << "/vorlan/marathon.xml"_ba << marathon;
        QTest::newRow("1xbet") << u"1xbet"_s << QString() << "/vorlan/1xbet.xml"_ba << kQuotingCsv;
        QTest::newRow("mirror below a path")
            << u"fonbet"_s << u"/mirror/"_s << "/mirror/vorlan/fonbet.xml"_ba << kQuotingCsv;
    }

    void download()
    {
        QFETCH(QString, bookmaker);
        QFETCH(QString, serverPath);
        QFETCH(QByteArray, requestPath);
        QFETCH(QByteArray, out);

        FakeHttpServer server;
        server.setAnswer(requestPath, Answer::ok(readData(u"quoting.xml"_s)));
        // Standard input holds another feed, which must not be read.
        const Run result = run({u"--bookmaker"_s, bookmaker, u"--server"_s, server.url(serverPath).toString()},
                               readData(u"stop.xml"_s));
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.out, out);
        QCOMPARE(result.exitCode, 0);

        QCOMPARE(server.requests().size(), 1);
        const FakeHttpServer::Request &request = server.requests().front();
        QCOMPARE(request.method, "GET"_ba);
        QCOMPARE(request.path, requestPath);
        QCOMPARE(request.header("Accept"), "text/html, */*"_ba);
        QCOMPARE(request.header("Content-Type"), "text/html"_ba);
        QCOMPARE(request.header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)"_ba);
    }

    // What the window would show, what went wrong on standard error, and the
    // exit status. A broken download outranks a refused number.
    void downloadGoesWrong_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("problem"); // before ": what went wrong"; %1 the feed's URL
        QTest::addColumn<QByteArray>("gridError");

        const QByteArray feed = readData(u"quoting.xml"_s);
        const auto cutAt = [&feed](QByteArrayView before) {
            Answer answer = Answer::ok(feed);
            answer.cutAfter = feed.indexOf(before);
            return answer;
        };
        const QByteArray failed = "vorlan-feed: cannot download %1"_ba;
        const QByteArray broken = "vorlan-feed: download of %1 broke off"_ba;

        QTest::newRow("404: the empty title and no rows")
            << true << Answer::withStatus(404, "<html>Not Found</html>"_ba) << 3 << "\"\"\n"_ba << failed
            << QByteArray();
        QTest::newRow("redirect not followed")
            << true << Answer::redirect(302, "/vorlan/other.xml"_ba) << 3 << "\"\"\n"_ba << failed << QByteArray();
        QTest::newRow("nothing listens") << false << Answer() << 3 << "\"\"\n"_ba << failed << QByteArray();
        QTest::newRow("cut before the second match: first row")
            << true << cutAt("<MATCH><NUM>2") << 3 << kQuotingTitle + kQuotingFirstRow << broken << QByteArray();
        QTest::newRow("cut inside the second match: first row twice")
            << true << cutAt("</NUM><HOME>") << 3 << kQuotingTitle + kQuotingFirstRow + kQuotingFirstRow << broken
            << QByteArray();
        Answer badLength = cutAt("<MATCH><NUM>2");
        badLength.headers.append({"Content-Length"_ba, "-1"_ba});
        QTest::newRow("Content-Length -1, cut before the second match")
            << true << badLength << 3 << kQuotingTitle + kQuotingFirstRow << broken << QByteArray();
        const qsizetype second = feed.indexOf("<MATCH><NUM>2");
        Answer badChunk;
        badChunk.rawHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"_ba;
        badChunk.body = QByteArray::number(second, 16) + "\r\n" + feed.first(second) + "\r\nzz\r\n"
                        + feed.sliced(second) + "\r\n0\r\n\r\n";
        QTest::newRow("chunk size zz before the second match")
            << true << badChunk << 3 << kQuotingTitle + kQuotingFirstRow << broken << QByteArray();
        QTest::newRow("cut inside the first match: refused number, still exit 3")
            << true << cutAt("<LEAGUE>") << 3
            << kQuotingTitle + "0,,,,,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,\n" << broken
            << "'' is not a valid floating point value.\n"_ba;
        QTest::newRow("complete with a bad number: exit 1")
            << true << Answer::ok(readData(u"stop.xml"_s)) << 1 << kStopCsv << QByteArray()
            << "'пять' is not a valid floating point value.\n"_ba;
    }

    void downloadGoesWrong()
    {
        QFETCH(bool, reachable);
        QFETCH(Answer, answer);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, problem);
        QFETCH(QByteArray, gridError);

        FakeHttpServer server;
        server.setAnswer("/vorlan/fonbet.xml"_ba, answer);
        const QUrl serverUrl = reachable ? server.url() : FakeHttpServer::closedUrl();
        const Run result = run({u"--server"_s, serverUrl.toString()}, readData(u"stop.xml"_s));
        QCOMPARE(result.out, out);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(server.requests().size(), reachable ? 1 : 0);

        QByteArray err = result.err;
        if (!problem.isEmpty()) {
            // One line: the URL, then what went wrong.
            const QByteArray url = serverUrl.toString().toUtf8() + "/vorlan/fonbet.xml";
            const QByteArray start = QByteArray(problem).replace("%1", url) + ": ";
            const qsizetype end = err.indexOf('\n');
            QVERIFY2(err.startsWith(start) && end > start.size(), result.err.constData());
            err.remove(0, end + 1);
        }
        QCOMPARE(err, gridError);
    }

    void help()
    {
        const Run result = run({u"--help"_s});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("--bookmaker <name>"));
        QVERIFY(result.out.contains("--decimal-separator <C>"));
        QVERIFY(result.out.contains("--download"));
        QVERIFY(result.out.contains("--server <URL>"));
        QVERIFY(result.out.contains("exit status is 3"));
        QVERIFY(result.out.contains("stops after 1000000 rows"));
        QVERIFY(result.out.contains("exit status is 4"));
        QVERIFY(!result.out.contains("row-limit"));
        QVERIFY(result.out.contains("FILE"));
        QCOMPARE(result.err, QByteArray());
    }
};

QTEST_GUILESS_MAIN(VorlanFeedTest)
#include "tst_vorlanfeed.moc"
