// The benchmark compares like with like: the well-formed twin carries the
// feed's content unchanged, and the pugixml peer takes from it the values
// that the fill puts in the grid.

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"
#include "grid/cp1251.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "tools/bench/generatedfeed.h"
#include "tools/bench/pugipeer.h"
#include "tools/bench/wellformedtwin.h"

#include <QTest>

#include <pugixml.hpp>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FeedShape)

class TestBenchPeer final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twin_data();
    void twin();
    void peerTakesWhatTheFillShows_data() { twin_data(); }
    void peerTakesWhatTheFillShows();
};

void TestBenchPeer::twin_data()
{
    QTest::addColumn<FeedShape>("shape");
    QTest::addColumn<int>("matches");
    QTest::newRow("plain") << FeedShape::Plain << 5;
    QTest::newRow("unclosed") << FeedShape::Unclosed << 5;
    QTest::newRow("nested") << FeedShape::Nested << 5;
    QTest::newRow("plain, no match") << FeedShape::Plain << 0;
    QTest::newRow("nested, one match") << FeedShape::Nested << 1;
}

void TestBenchPeer::twin()
{
    QFETCH(FeedShape, shape);
    QFETCH(int, matches);
    const QByteArray feed = generateFeed(matches, shape);
    const QByteArray twin = wellFormedTwin(feed);

    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(twin.constData(), std::size_t(twin.size()));
    QVERIFY2(parsed, parsed.description());

    // Only markup was added: undo it and the feed comes back.
    QByteArray undone = twin;
    undone.replace("<br/>", "<br>").replace("</MATCH>", "");
    QByteArray bare = feed;
    bare.replace("</MATCH>", "");
    QCOMPARE(undone, bare);
    QCOMPARE(twin.count("<MATCH>"), twin.count("</MATCH>"));
}

void TestBenchPeer::peerTakesWhatTheFillShows()
{
    QFETCH(FeedShape, shape);
    QFETCH(int, matches);
    const QByteArray feed = generateFeed(matches, shape);
    GridModel grid(matchGridColumns());
    grid.setDecimalSeparator(u'.');
    FillMatches(feed, Bookmaker::FonBet, grid);

    const QByteArray twin = wellFormedTwin(feed);
    pugi::xml_document document;
    QVERIFY(document.load_buffer(twin.constData(), std::size_t(twin.size())));
    int row = 0;
    forEachPeerMatch(document, [&](const PeerMatch &m) {
        if (row >= grid.RowCount())
            return;
        QString text;
        const auto widened = [](const std::string &s) { return cp1251::toUnicode(QByteArrayView(s)); };
        QCOMPARE(grid.hint(matchcol::Sport, row), widened(m.fields[PeerMatch::League]));
        for (int f = PeerMatch::Num; f <= PeerMatch::Away; ++f) {
            grid.GetCellText(matchcol::Num + f - PeerMatch::Num, row, text);
            QCOMPARE(text, widened(m.fields[std::size_t(f)]));
        }
        QCOMPARE(m.refused, 0);
        for (int n = 0; n < 20; ++n) {
            grid.GetCellText(matchcol::Pool1 + n, row, text);
            QCOMPARE(text.toDouble(), m.numbers[std::size_t(n)]);
        }
        ++row;
    });
    QCOMPARE(row, matches);
    QCOMPARE(grid.RowCount(), matches);
}

QTEST_GUILESS_MAIN(TestBenchPeer)
#include "tst_benchpeer.moc"
