// FillMatches reads each tag once over the whole feed to stay linear. This
// checks it against the fuzzer's plain fill (cut the feed at "<MAT", search
// every field afresh in a copy of the match text) on many generated feeds,
// including broken and overlapping ones.

#include "feeds/drawfill.h"
#include "tools/fuzz/referencefill.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Fields of a match; most are valid, a few are broken or refused.
const QList<QByteArray> kFields{
    "<LEAGUE>NHL Hockey</LEAGUE>"_ba, "<LEAGUE>\xcf\xf0\xe5\xec\xfc\xe5\xf0</LEAGUE>"_ba,
    "<NUM>7</NUM>"_ba, "<DATE>12.12</DATE>"_ba, "<TIME>19:00</TIME>"_ba,
    "<HOME>\xd1\xef\xe0\xf0\xf2\xe0\xea</HOME>"_ba, "<AWAY>Ajax</AWAY>"_ba,
    "<P1>45</P1>"_ba, "<P1>9</P1>"_ba, "<DRAW>30</DRAW>"_ba, "<P2>25</P2>"_ba,
    "<P1B>40.5</P1B>"_ba, "<DRAWB>33</DRAWB>"_ba, "<P2B>26.5</P2B>"_ba,
    "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>"_ba, "<ITOG>33/33/33<br><b>9/45/46(3)</b></ITOG>"_ba,
    "<ITOG2>045/45/10<br><b>100/0/0(8)</b></ITOG2>"_ba, "<ITOG2>41/20/39<br><b>36/28/36(11)</b></ITOG2>"_ba};
// Pieces that break, nest and overlap matches.
const QList<QByteArray> kJunk{
    "<MATCH>"_ba, "</MATCH>"_ba, "<TIME>"_ba, "<ITOG>"_ba, "</ITOG>"_ba, "<MAT"_ba, "CH>"_ba,
    "<b>"_ba, "/"_ba, "("_ba, " "_ba, "<P2B>x</P2B>"_ba, "<ITOG2>1/2/3<b>4/5/6(7)</b></ITOG2>"_ba,
    "<ITOG>38/30/32(17)</ITOG>"_ba};

// filler: up to that many bytes of plain text between pieces now and then,
// so that a match's close tag may lie beyond what the scan has reached.
QByteArray generatedFeed(QRandomGenerator &random, int filler)
{
    QByteArray feed = "<TIRAGE>t</TIRAGE>"_ba;
    const int matches = random.bounded(1, 12);
    for (int m = 0; m < matches; ++m) {
        feed += "<MATCH>"_ba;
        QList<QByteArray> fields = kFields;
        std::shuffle(fields.begin(), fields.end(), random);
        for (const QByteArray &field : fields) {
            if (random.bounded(100) < 85)
                feed += field;
            if (filler > 0 && random.bounded(100) < 10)
                feed += QByteArray(random.bounded(filler), 'x');
            if (random.bounded(100) < 2)
                feed += kJunk[random.bounded(int(kJunk.size()))];
        }
        if (random.bounded(100) < 92)
            feed += "</MATCH>"_ba;
    }
    return feed;
}

QString snapshot(const GridModel &grid, const QString &error)
{
    QString out = error + u'\n';
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c)
            out += grid.cellText(c, r) + u'|';
        out += grid.hint(0, r) + u'\n';
    }
    return out;
}

template<typename Fill>
QString run(Fill fill)
{
    GridModel grid(matchGridColumns());
    grid.setDecimalSeparator(u'.');
    QString error;
    try {
        fill(grid);
    } catch (const GridError &e) {
        error = e.message();
    }
    return snapshot(grid, error);
}

} // namespace

class DrawFillReferenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsPlainLoop_data()
    {
        QTest::addColumn<int>("bookmaker");
        QTest::addColumn<int>("filler");
        QTest::addColumn<int>("feeds");
        QTest::newRow("fonbet") << int(Bookmaker::FonBet) << 0 << 3000;
        QTest::newRow("marathonbet") << int(Bookmaker::MarathonBet) << 0 << 3000;
        QTest::newRow("fonbet, long feeds") << int(Bookmaker::FonBet) << 3000 << 600;
    }

    void sameAsPlainLoop()
    {
        QFETCH(int, bookmaker);
        QFETCH(int, filler);
        QFETCH(int, feeds);
        const auto b = Bookmaker(bookmaker);
        QRandomGenerator random(20261211 + bookmaker + filler);
        int filledRows = 0;
        for (int i = 0; i < feeds; ++i) {
            const QByteArray feed = generatedFeed(random, filler);
            const QString expected = run([&](GridModel &g) { reference::FillMatches(feed, b, g); });
            const QString actual = run([&](GridModel &g) { FillMatches(feed, b, g); });
            if (actual != expected) {
                qInfo().noquote() << "feed:" << feed;
                QCOMPARE(actual, expected);
            }
            filledRows += int(expected.count(u'\n')) - 1;
        }
        QVERIFY(filledRows > feeds * 2); // the feeds were not all stopped at once
    }
};

QTEST_GUILESS_MAIN(DrawFillReferenceTest)
#include "tst_drawfill_reference.moc"
