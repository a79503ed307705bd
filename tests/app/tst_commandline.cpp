#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's own options, run as a user would start it.
class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // expected in standard output or error
        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"Vorlan 4.6"_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"--server <url>"_s;
        QTest::newRow("ftp server") << QStringList{u"--server"_s, u"ftp://127.0.0.1/"_s} << 2
                                    << u"plain http:// address"_s;
        QTest::newRow("no host") << QStringList{u"--server"_s, u"nonsense"_s} << 2
                                 << u"plain http:// address"_s;
        QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << 1 << u"bogus"_s;
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess vorlan;
        vorlan.start(QStringLiteral(VORLAN_PROGRAM), arguments);
        QVERIFY(vorlan.waitForFinished(30'000));
        QCOMPARE(vorlan.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vorlan.exitCode(), exitCode);
        const QString printed = QString::fromUtf8(vorlan.readAllStandardOutput()
                                                  + vorlan.readAllStandardError());
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
