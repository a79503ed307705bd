#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// No display at all: the X11 platform with nowhere to connect. The window
// system can't start, so only what runs before it can answer.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    return env;
}

} // namespace

// The programs' own options, run as a user would start them.
class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void options_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display"); // false: no display to start on
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // expected in standard output or error

        const QString vorlan = QStringLiteral(VORLAN_PROGRAM);
        const QString feed = QStringLiteral(VORLAN_FEED_PROGRAM);
        const QString server = QStringLiteral(VORLAN_DEMO_SERVER);
        QTest::newRow("version") << vorlan << QStringList{u"--version"_s} << true << 0 << u"Vorlan 4.6\n"_s;
        QTest::newRow("help") << vorlan << QStringList{u"--help"_s} << true << 0 << u"--server <url>"_s;
        QTest::newRow("ftp server") << vorlan << QStringList{u"--server"_s, u"ftp://127.0.0.1/"_s}
                                    << true << 2 << u"plain http:// address"_s;
        QTest::newRow("no host") << vorlan << QStringList{u"--server"_s, u"nonsense"_s} << true << 2
                                 << u"plain http:// address"_s;
        QTest::newRow("unknown option") << vorlan << QStringList{u"--bogus"_s} << true << 1 << u"bogus"_s;

        QTest::newRow("version, no display") << vorlan << QStringList{u"--version"_s} << false << 0
                                             << u"Vorlan 4.6\n"_s;
        QTest::newRow("-v, no display") << vorlan << QStringList{u"-v"_s} << false << 0 << u"Vorlan 4.6\n"_s;
        QTest::newRow("help, no display") << vorlan << QStringList{u"--help"_s} << false << 0
                                          << u"--server <url>"_s;
        QTest::newRow("help after server, no display")
            << vorlan << QStringList{u"--server"_s, u"http://127.0.0.1:1/"_s, u"-h"_s} << false << 0
            << u"--version"_s;

        QTest::newRow("feed version") << feed << QStringList{u"--version"_s} << false << 0
                                      << u"vorlan-feed 4.6\n"_s;
        QTest::newRow("demo server version") << server << QStringList{u"--version"_s} << false << 0
                                             << u"vorlan-demo-server 4.6\n"_s;
    }

    void options()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess process;
        if (!display)
            process.setProcessEnvironment(withoutDisplay());
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(30'000));
        const QString printed = QString::fromUtf8(process.readAllStandardOutput()
                                                  + process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit, qPrintable(printed));
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }

    // Without --help or --version the window system must really be needed,
    // or the rows above would not show that those two answer before it.
    void windowNeedsDisplay()
    {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay());
        process.start(QStringLiteral(VORLAN_PROGRAM), {u"--server"_s, u"http://127.0.0.1:1/"_s});
        QVERIFY(process.waitForFinished(30'000));
        QVERIFY(process.exitStatus() == QProcess::CrashExit || process.exitCode() != 0);
        QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(u"xcb"_s));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
