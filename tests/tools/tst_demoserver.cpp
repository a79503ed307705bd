#include "feeds/feedloader.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "feeds/versioncheck.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QProcess>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// vorlan-demo-server as a child process, on a free port.
class DemoServer
{
public:
    explicit DemoServer(const QStringList &options = {})
    {
        m_process.setProgram(QStringLiteral(VORLAN_DEMO_SERVER));
        m_process.setArguments(QStringList{u"--port"_s, u"0"_s} + options);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }

    ~DemoServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    // The base URL from the first line of its output; empty if none came.
    QUrl url()
    {
        if (m_url.isEmpty() && m_process.waitForStarted()) {
            while (!m_process.canReadLine() && m_process.waitForReadyRead(10'000)) {
            }
            m_url = QUrl(QString::fromLatin1(m_process.readLine().trimmed()));
        }
        return m_url;
    }

private:
    QProcess m_process;
    QUrl m_url;
};

QString cell(const GridModel &grid, int column, int row)
{
    QString text = u"(unset)"_s;
    grid.GetCellText(column, row, text);
    return text;
}

} // namespace

class DemoServerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<DemoServer>();
        QVERIFY(m_server->url().isValid());
        QCOMPARE(m_server->url().scheme(), u"http"_s);
        QCOMPARE(m_server->url().host(), u"127.0.0.1"_s);
        QVERIFY(m_server->url().port() > 0);
    }

    void cleanupTestCase() { m_server.reset(); }

    void servesEachBookmaker_data()
    {
        QTest::addColumn<Bookmaker>("bookmaker");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");

        QTest::newRow("FonBet") << Bookmaker::FonBet << u"19.12.26"_s << u"14:00"_s;
        QTest::newRow("MarathonBet") << Bookmaker::MarathonBet << u"-"_s << u"-"_s;
        QTest::newRow("1XBet") << Bookmaker::OneXBet << u"19.12.26"_s << u"14:00"_s;
    }

    void servesEachBookmaker()
    {
        QFETCH(Bookmaker, bookmaker);
        QFETCH(QString, date);
        QFETCH(QString, time);
        HttpClient http;
        GridModel grid(matchGridColumns());
        grid.setDecimalSeparator(u'.');
        QString title;

        const Download::Outcome outcome =
            LoadBookmakerFeed(bookmaker, http, m_server->url(), grid,
                              [&title](const QString &text, const FeedDownload &) { title = text; })
                .outcome;

        QCOMPARE(outcome, Download::Outcome::Complete);
        QCOMPARE(title, u"Тираж № 1234 Футбол-Хоккей"_s);
        QCOMPARE(grid.RowCount(), 15);
        QCOMPARE(cell(grid, matchcol::Date, 0), date);
        QCOMPARE(cell(grid, matchcol::Time, 0), time);
        QCOMPARE(cell(grid, matchcol::Home, 0), u"Зенит"_s);
        QCOMPARE(cell(grid, matchcol::Away, 12), u"Торонто Мейпл Лифс"_s);
        QCOMPARE(grid.imageIndex(matchcol::Sport, 0), 0);
        QCOMPARE(grid.hint(matchcol::Sport, 8), u"КХЛ Hockey"_s);
        QCOMPARE(grid.imageIndex(matchcol::Sport, 8), 1);
        const QStringList doubles{u"1X"_s, u"2X"_s, u"12"_s};
        for (int row = 0; row < grid.RowCount(); ++row) {
            // Pool and bookmaker shares each add up to 100.
            for (int first : {int(matchcol::Pool1), int(matchcol::Book1)}) {
                const int sum = cell(grid, first, row).toInt() + cell(grid, first + 1, row).toInt()
                                + cell(grid, first + 2, row).toInt();
                QCOMPARE(sum, 100);
            }
            QVERIFY(cell(grid, matchcol::BookJointCount, row).toInt() > 0);
            QVERIFY2(doubles.contains(cell(grid, matchcol::DBB, row)),
                     qPrintable(cell(grid, matchcol::DBB, row)));
        }
    }

    void markerPasses()
    {
        HttpClient http;
        QVERIFY(CheckVersionUrl(http, vendor::markerUrl(m_server->url()).toString()));
    }

    void anythingElseIs404()
    {
        HttpClient http;
        const Download download = http.get(vendor::onServer(m_server->url(), u"/vorlan/other.xml"_s));
        QCOMPARE(download.outcome, Download::Outcome::Failed);
        QVERIFY(download.body.isEmpty());
    }

    void retiredMarkerFails()
    {
        DemoServer retired({u"--retire-marker"_s});
        QVERIFY(retired.url().isValid());
        HttpClient http;
        QVERIFY(!CheckVersionUrl(http, vendor::markerUrl(retired.url()).toString()));
    }

private:
    std::unique_ptr<DemoServer> m_server;
};

QTEST_GUILESS_MAIN(DemoServerTest)
#include "tst_demoserver.moc"
