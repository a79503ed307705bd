#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace Qt::StringLiterals;

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
// empty.
Run run(const QStringList &arguments, const QByteArray &input = {}, const QString &locale = u"C.UTF-8"_s)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VORLAN_FEED_PROGRAM), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray kQuotingCsv =
    "\"Тираж \"\"5\"\", весна\"\n"
    "1,1,12.03,19:30,\"Team \"\"A\"\", Ltd\",\"Line\r\nbreak\",40,35,25,45.5,30,24.5,"
    "38,30,32,17,38,30,32,17,40,35,25,40,35,25,1,12,1,1X,1,,\"Лига, Hockey\"\n"
    "1,2,12.03,19:30,Спартак,ЦСКА,40,35,25,45.5,30,24.5,"
    "0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,\"Лига, Hockey\"\n"_ba;

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
            << "\"\"\n"
               "0,1,d,t,Дом,Гости,1,2,3,4,5,6,38,30,32,17,38,30,32,17,40,35,25,40,35,25,1,12,1,1X,1,,Лига\n"
               "0,2,d,t,Волга,Гости,1,2,3,4,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,Лига\n"_ba
            << "'пять' is not a valid floating point value.\n"_ba;
        QTest::newRow("German locale refuses 45.5")
            << QStringList{quoting} << QByteArray() << u"de_DE.UTF-8"_s << 1
            << "\"Тираж \"\"5\"\", весна\"\n"
               "1,1,12.03,19:30,\"Team \"\"A\"\", Ltd\",\"Line\r\nbreak\",40,35,25,0,0,0,"
               "0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,,,,,\"Лига, Hockey\"\n"_ba
            << "'45.5' is not a valid floating point value.\n"_ba;
    }

    void output()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);

        const Run result = run(arguments, input, locale);
        QCOMPARE(result.err, err);
        QCOMPARE(result.out, out);
        QCOMPARE(result.exitCode, exitCode);
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

    void help()
    {
        const Run result = run({u"--help"_s});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("--bookmaker <name>"));
        QVERIFY(result.out.contains("--decimal-separator <C>"));
        QVERIFY(result.out.contains("FILE"));
        QCOMPARE(result.err, QByteArray());
    }
};

QTEST_GUILESS_MAIN(VorlanFeedTest)
#include "tst_vorlanfeed.moc"
