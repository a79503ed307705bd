#include "feeds/drawfill.h"
#include "views/detailpanel.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "views/pickcolumns.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString text(const GridModel &grid, int column, int row)
{
    QString out;
    grid.GetCellText(column, row, out);
    return out;
}

QStringList detailRow(const GridModel &detail, int row)
{
    QStringList cells;
    for (int c = 1; c <= 4; ++c)
        cells << text(detail, c, row);
    return cells;
}

// One fully filled match, then one whose result lines are missing: the
// leftover of the first match's lines writes nothing for it.
const QByteArray kFeed =
    "<TIRAGE>t</TIRAGE>"
    "<MATCH><LEAGUE>KHL Hockey</LEAGUE><NUM>1</NUM><DATE>12.12</DATE><TIME>19:30</TIME>"
    "<HOME>Ak Bars</HOME><AWAY>CSKA</AWAY>"
    "<P1>45</P1><DRAW>25</DRAW><P2>30</P2><P1B>40.5</P1B><DRAWB>24</DRAWB><P2B>35.5</P2B>"
    "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>"
    "<ITOG2>41/20/39<br><b>36/28/36(11)</b></ITOG2></MATCH>"
    "<MATCH><NUM>2</NUM><HOME>A</HOME><AWAY>B</AWAY>"
    "<P1>1</P1><DRAW>2</DRAW><P2>97</P2><P1B>3</P1B><DRAWB>4</DRAWB><P2B>93</P2B></MATCH>"_ba;

} // namespace

class DetailPanelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsUseLatinXAndCyrillicHaWhereTheyStand()
    {
        const QStringList &labels = detailpanel::methodLabels();
        QCOMPARE(labels.size(), 6);
        QCOMPARE(labels[0], u"Распределение пула тиража"_s);
        QCOMPARE(labels[1], u"Распределение вероятности букмекера"_s);
        const QString latinX = u"X"_s;
        const QString ha = u"\u0425"_s;
        QCOMPARE(labels[2], u"Поиск матчей по Pool 1"_s + latinX + u"2 (отдельно по 1,"_s + ha
                                + u",2 средний)"_s);
        QCOMPARE(labels[3], u"Поиск матчей по Book 1"_s + latinX + u"2 (отдельно по 1,"_s + ha
                                + u",2 средний)"_s);
        QCOMPARE(labels[4], u"Поиск матчей по Pool 1+"_s + latinX + u"+2 (вместе 1+"_s + ha + u"+2)"_s);
        QCOMPARE(labels[5], u"Поиск матчей по Book 1+"_s + latinX + u"+2 (вместе 1+"_s + ha + u"+2)"_s);
        QVERIFY(labels[4] != u"Поиск матчей по Pool 1+X+2 (вместе 1+X+2)"_s);
    }

    void titles_data()
    {
        QTest::addColumn<QStringList>("parts"); // date, time, home, away
        QTest::addColumn<QString>("title");
        QTest::newRow("full") << QStringList{u"12.12"_s, u"19:30"_s, u"Спартак"_s, u"ЦСКА"_s}
                              << u"12.12 19:30   Спартак - ЦСКА"_s;
        QTest::newRow("marathon dashes") << QStringList{u"-"_s, u"-"_s, u"Ak Bars"_s, u"CSKA"_s}
                                         << u"- -   Ak Bars - CSKA"_s;
        QTest::newRow("all empty") << QStringList{{}, {}, {}, {}} << u"     - "_s;
        QTest::newRow("blanks kept") << QStringList{u" 1 "_s, {}, u" A"_s, u"B "_s}
                                     << u" 1      A - B "_s;
        QTest::newRow("outside Windows-1251") << QStringList{{}, {}, u"Łódź"_s, u"東京"_s}
                                              << u"    ??d? - ??"_s;
    }

    void titles()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, title);
        GridModel matches(matchGridColumns());
        matches.AppendRows(1);
        for (int i = 0; i < 4; ++i)
            matches.SetCellText(matchcol::Date + i, 0, parts[i]);
        QCOMPARE(detailpanel::matchTitle(matches, 0), title);
        if (parts.join(QString()).isEmpty())
            QCOMPARE(title.size(), 7);
    }

    void copiesSixMethodRows()
    {
        GridModel matches(matchGridColumns());
        matches.setDecimalSeparator(u'.');
        FillMatches(kFeed, Bookmaker::FonBet, matches);
        QCOMPARE(matches.RowCount(), 2);
        GridModel detail(detailGridColumns());
        detail.AppendRows(9); // an earlier panel: replaced, not added to

        detailpanel::fillMethodRows(matches, 0, detail);
        QCOMPARE(detail.RowCount(), 6);
        for (int r = 0; r < 6; ++r)
            QCOMPARE(text(detail, 0, r), detailpanel::methodLabels()[r]);
        QCOMPARE(detailRow(detail, 0), (QStringList{u"45"_s, u"25"_s, u"30"_s, QString()}));
        QCOMPARE(detailRow(detail, 1), (QStringList{u"40.5"_s, u"24"_s, u"35.5"_s, QString()}));
        QCOMPARE(detailRow(detail, 2), (QStringList{u"40"_s, u"35"_s, u"25"_s, QString()}));
        QCOMPARE(detailRow(detail, 3), (QStringList{u"41"_s, u"20"_s, u"39"_s, QString()}));
        QCOMPARE(detailRow(detail, 4), (QStringList{u"38"_s, u"30"_s, u"32"_s, u"17"_s}));
        QCOMPARE(detailRow(detail, 5), (QStringList{u"36"_s, u"28"_s, u"36"_s, u"11"_s}));

        // The second match's lines wrote nothing: its method rows read "0".
        detailpanel::fillMethodRows(matches, 1, detail);
        QCOMPARE(detail.RowCount(), 6);
        QCOMPARE(detailRow(detail, 0), (QStringList{u"1"_s, u"2"_s, u"97"_s, QString()}));
        for (int r = 2; r <= 3; ++r)
            QCOMPARE(detailRow(detail, r), (QStringList{u"0"_s, u"0"_s, u"0"_s, QString()}));
        for (int r = 4; r <= 5; ++r)
            QCOMPARE(detailRow(detail, r), (QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
    }

    void showPickColumnShowsOnlyTheChosenOne_data()
    {
        QTest::addColumn<int>("column");
        for (int c = matchcol::OBB; c <= matchcol::ADB; ++c)
            QTest::addRow("column %d", c) << c;
    }

    void showPickColumnShowsOnlyTheChosenOne()
    {
        QFETCH(int, column);
        GridModel matches(matchGridColumns());
        ShowPickColumn(matches, matchcol::AOB);
        ShowPickColumn(matches, column);
        for (int c = 0; c < matchcol::Count; ++c)
            QCOMPARE(matches.isColumnVisible(c), c <= matchcol::Book2 || c == column);
    }
};

QTEST_MAIN(DetailPanelTest)
#include "tst_detailpanel.moc"
