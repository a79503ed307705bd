#include "feeds/drawfill.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "grid/gridrows.h"

#include <QFile>
#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(VORLAN_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// A row as texts: columns 0 to 31 (column 0 gives its image index), then
// the hint of column 0.
QStringList rowTexts(const GridModel &grid, int row)
{
    QStringList out;
    for (int column = 0; column < matchcol::Count; ++column) {
        QString text = u"<none>"_s;
        grid.GetCellText(column, row, text);
        out.append(text);
    }
    out.append(grid.hint(matchcol::Sport, row));
    return out;
}

QList<QStringList> allRows(const GridModel &grid)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid.RowCount(); ++row)
        rows.append(rowTexts(grid, row));
    return rows;
}

// Columns 12 to 31 written as "12-15 | 16-19 | 20-22 | 23-25 | 26-31",
// "_" for an empty cell.
QStringList results(const QString &layout)
{
    QStringList out;
    const QStringList words = layout.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (word != u"|")
            out.append(word == u"_" ? QString() : word);
    }
    return out;
}

QStringList row(const QString &image, const QStringList &columns1to11, const QString &resultLayout,
                const QString &hint)
{
    Q_ASSERT(columns1to11.size() == 11);
    return QStringList{image} + columns1to11 + results(resultLayout) + QStringList{hint};
}

const QString kExampleBoth = u"38 30 32 17 | 38 30 32 17 | 40 35 25 | 40 35 25 | 1 12 1 1X 1 _"_s;
const QString kNoResults = u"0 0 0 0 | 0 0 0 0 | 0 0 0 | 0 0 0 | _ _ _ _ _ _"_s;
const QStringList kNoValues{u""_s, u""_s, u""_s, u""_s, u""_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};

std::unique_ptr<GridModel> makeGrid()
{
    auto grid = std::make_unique<GridModel>(matchGridColumns());
    grid->setDecimalSeparator(u'.');
    return grid;
}

const QByteArray kGoodMatch =
    "<MATCH><LEAGUE>L Hockey</LEAGUE><NUM>1</NUM><DATE>d</DATE><TIME>t</TIME><HOME>H</HOME><AWAY>A</AWAY>"
    "<P1>40</P1><DRAW>30</DRAW><P2>30</P2><P1B>41</P1B><DRAWB>29</DRAWB><P2B>30</P2B>"
    "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG><ITOG2>40/35/25<br><b>38/30/32(17)</b></ITOG2></MATCH>"_ba;

} // namespace

class DrawFillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fill_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Bookmaker>("bookmaker");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("error");

        const QList<QStringList> carryover{
            row(u"1"_s,
                {u"1"_s, u""_s, u"19:30"_s, u"Спартак"_s, u" ЦСКА &amp; Co "_s,
                 u"40"_s, u"35"_s, u"25"_s, u"45.5"_s, u"30"_s, u"24.5"_s},
                kExampleBoth, u"КХЛ Hockey"_s),
            row(u"1"_s,
                {u"2"_s, u"12.03.2024"_s, u"20:00"_s, u"Динамо"_s, u"Зенит"_s,
                 u"30"_s, u"30"_s, u"40"_s, u"33"_s, u"33"_s, u"34"_s},
                u"10 20 70 5 | 10 20 70 5 | 20 30 50 | 20 30 50 | 2 2X 2 2X 2 2X"_s, u"КХЛ Hockey"_s),
            row(u"0"_s,
                {u"3"_s, u"12.03.2024"_s, u"21:45"_s, u"Челси"_s, u"Арсенал"_s,
                 u"30"_s, u"25"_s, u"20"_s, u"50"_s, u"20"_s, u"30"_s},
                u"50 30 20 8 | 45 10 45 9 | 45 10 45 | 50 30 20 | 1 12 1 12 1 12"_s, u"Премьер-лига"_s),
        };
        QTest::newRow("carry-over, FonBet") << u"carryover.xml"_s << Bookmaker::FonBet << carryover << QString();
        QTest::newRow("carry-over, 1XBet") << u"carryover.xml"_s << Bookmaker::OneXBet << carryover << QString();

        QTest::newRow("MarathonBet shows - for date and time")
            << u"marathon.xml"_s << Bookmaker::MarathonBet
            << QList<QStringList>{
                   row(u"1"_s,
                       {u"1"_s, u"-"_s, u"-"_s, u"Бостон"_s, u"Торонто"_s,
                        u"50"_s, u"20"_s, u"30"_s, u"48"_s, u"22"_s, u"30"_s},
                       kExampleBoth, u"NHL Hockey"_s),
                   row(u"0"_s,
                       {u"2"_s, u"-"_s, u"-"_s, u"Рома"_s, u"Лацио"_s,
                        u"45"_s, u"30"_s, u"25"_s, u"40"_s, u"30"_s, u"30"_s},
                       kExampleBoth, u"Серия А"_s)}
            << QString();
        QTest::newRow("same feed as FonBet carries the date over")
            << u"marathon.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{
                   row(u"1"_s,
                       {u"1"_s, u"01.02"_s, u"18:00"_s, u"Бостон"_s, u"Торонто"_s,
                        u"50"_s, u"20"_s, u"30"_s, u"48"_s, u"22"_s, u"30"_s},
                       kExampleBoth, u"NHL Hockey"_s),
                   row(u"0"_s,
                       {u"2"_s, u"01.02"_s, u"18:00"_s, u"Рома"_s, u"Лацио"_s,
                        u"45"_s, u"30"_s, u"25"_s, u"40"_s, u"30"_s, u"30"_s},
                       kExampleBoth, u"Серия А"_s)}
            << QString();

        const QStringList secondCup = row(
            u"0"_s,
            {u"2"_s, u"02.05"_s, u"17:00"_s, u"Ростов"_s, u"Факел"_s,
             u"35"_s, u"35"_s, u"30"_s, u"36"_s, u"34"_s, u"30"_s},
            u"20 30 50 3 | 0 0 0 0 | 30 30 40 | 0 0 0 | _ _ 2 2X _ _"_s, u"Кубок"_s);
        QTest::newRow("feed ending inside its last match")
            << u"truncated.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{
                   row(u"0"_s,
                       {u"1"_s, u"01.05"_s, u"15:00"_s, u"Урал"_s, u"Сочи"_s,
                        u"40"_s, u"30"_s, u"30"_s, u"41"_s, u"29"_s, u"30"_s},
                       kExampleBoth, u"Кубок"_s),
                   secondCup, secondCup}
            << QString();

        const QStringList liga = row(
            u"0"_s,
            {u"7"_s, u"d"_s, u"t"_s, u"A"_s, u"B"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s},
            kExampleBoth, u"Liga"_s);
        QTest::newRow("<MATCH> inside a comment makes a row")
            << u"commented.xml"_s << Bookmaker::FonBet << QList<QStringList>{liga, liga} << QString();

        const QStringList home{u"1"_s, u"05.06"_s, u"12:00"_s, u"Дом"_s, u"Гости"_s,
                               u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s};
        QStringList homeSecond = home;
        homeSecond[0] = u"2"_s;
        QTest::newRow("result line leftover carries into the next match")
            << u"leftover.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{
                   row(u"0"_s, home, u"38 30 32 17 | 38 30 32 17 | 40 35 25 | 1 2 3 | 1 12 1 1X 1 _"_s, u"Лига"_s),
                   row(u"0"_s, homeSecond, u"10 20 70 5 | 0 0 0 0 | 0 0 0 | 0 0 0 | _ _ _ _ _ _"_s, u"Лига"_s)}
            << QString();

        QTest::newRow("first P1 empty")
            << u"error_first_p1_empty.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{row(u"0"_s,
                                      {u"1"_s, u"d"_s, u"t"_s, u"Дом"_s, u"Гости"_s,
                                       u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s},
                                      kNoResults, u"Лига"_s)}
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("first P1 missing")
            << u"error_first_p1_missing.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{row(u"0"_s,
                                      {u"1"_s, u""_s, u""_s, u"Дом"_s, u"Гости"_s,
                                       u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s},
                                      kNoResults, u"Лига"_s)}
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("first <MATCH> without close tag")
            << u"error_first_unclosed.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{row(u"0"_s, kNoValues, kNoResults, u""_s)}
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("MarathonBet stops at P1 too")
            << u"error_first_unclosed.xml"_s << Bookmaker::MarathonBet
            << QList<QStringList>{row(u"0"_s,
                                      {u""_s, u"-"_s, u"-"_s, u""_s, u""_s,
                                       u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s},
                                      kNoResults, u""_s)}
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("bad value in a later match")
            << u"error_later_value.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{
                   row(u"0"_s,
                       {u"1"_s, u"d"_s, u"t"_s, u"Дом"_s, u"Гости"_s,
                        u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s},
                       kExampleBoth, u"Лига"_s),
                   row(u"0"_s,
                       {u"2"_s, u"d"_s, u"t"_s, u"Волга"_s, u"Гости"_s,
                        u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"0"_s},
                       kNoResults, u"Лига"_s)}
            << u"'шесть' is not a valid floating point value"_s;
        QTest::newRow("bad result line")
            << u"error_result_line.xml"_s << Bookmaker::FonBet
            << QList<QStringList>{row(u"0"_s,
                                      {u"1"_s, u"d"_s, u"t"_s, u"Дом"_s, u"Гости"_s,
                                       u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s},
                                      u"38 30 32 17 | 0 0 0 0 | 40 35 0 | 0 0 0 | _ _ _ _ _ _"_s, u"Лига"_s)}
            << u"'' is not a valid floating point value"_s;
        QTest::newRow("no match") << u"title_cyrillic.xml"_s << Bookmaker::FonBet << QList<QStringList>{}
                                  << QString();
    }

    void fill()
    {
        QFETCH(QString, file);
        QFETCH(Bookmaker, bookmaker);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, error);

        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        QString message;
        try {
            FillMatches(fixture(file), bookmaker, grid);
        } catch (const GridError &e) {
            message = e.message();
        }
        QCOMPARE(message, error);
        const QList<QStringList> actual = allRows(grid);
        QCOMPARE(actual.size(), rows.size());
        for (qsizetype r = 0; r < rows.size(); ++r) {
            for (qsizetype c = 0; c < rows[r].size(); ++c)
                QVERIFY2(actual[r][c] == rows[r][c],
                         qPrintable(u"row %1 column %2: '%3', expected '%4'"_s.arg(r).arg(c).arg(
                             actual[r][c], rows[r][c])));
        }
    }

    void leagues()
    {
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        FillMatches(fixture(u"leagues.xml"_s), Bookmaker::FonBet, grid);
        const QList<std::pair<int, QString>> expected{
            {1, u"NHL Hockey"_s},
            {0, u""_s},                // an empty element overwrites
            {1, u"IceHockeyLeague"_s}, // part of a longer word
            {0, u"ice hockey"_s},      // lower case
            {0, u"ice hockey"_s},      // lower-case tag: carried over
            {0, u"HOCKEY"_s},
        };
        QCOMPARE(grid.RowCount(), expected.size());
        for (int r = 0; r < grid.RowCount(); ++r) {
            QCOMPARE(grid.imageIndex(matchcol::Sport, r), expected[r].first);
            QCOMPARE(grid.hint(matchcol::Sport, r), expected[r].second);
        }
    }

    // Nothing carries from one fill to the next: neither fields nor the
    // result-line leftover.
    void secondFillStartsFresh()
    {
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        FillMatches(fixture(u"leftover.xml"_s), Bookmaker::FonBet, grid);
        QCOMPARE(grid.RowCount(), 2);

        const QByteArray bare = "<MATCH><P1>1</P1><DRAW>1</DRAW><P2>1</P2>"
                                "<P1B>1</P1B><DRAWB>1</DRAWB><P2B>1</P2B></MATCH>"_ba;
        grid.RemoveAllRows();
        FillMatches(bare, Bookmaker::FonBet, grid);
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(rowTexts(grid, 0),
                 row(u"0"_s, {u""_s, u""_s, u""_s, u""_s, u""_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s},
                     kNoResults, u""_s));
    }

    // A load stops after its row limit; the rows so far stay and the end
    // says so. Exactly the limit's number of matches is a complete load.
    void rowLimit_data()
    {
        QTest::addColumn<int>("bareTags"); // "<MATCH>" after one good match
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("rows");
        QTest::addColumn<FillEnd>("end");

        QTest::newRow("below the limit") << 3 << 5 << 4 << FillEnd::Complete;
        QTest::newRow("at the limit") << 4 << 5 << 5 << FillEnd::Complete;
        QTest::newRow("one past the limit") << 5 << 5 << 5 << FillEnd::RowLimit;
        QTest::newRow("far past the limit") << 1000 << 5 << 5 << FillEnd::RowLimit;
        QTest::newRow("limit 0") << 0 << 0 << 0 << FillEnd::RowLimit;
    }

    void rowLimit()
    {
        QFETCH(int, bareTags);
        QFETCH(int, limit);
        QFETCH(int, rows);
        QFETCH(FillEnd, end);

        const QByteArray feed = kGoodMatch + QByteArray("<MATCH>").repeated(bareTags);
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        QCOMPARE(FillMatches(feed, Bookmaker::FonBet, grid, limit), end);
        QCOMPARE(grid.RowCount(), rows);
        for (int r = 1; r < rows; ++r)
            QCOMPARE(rowTexts(grid, r), rowTexts(grid, 0));
    }

    void defaultRowLimit()
    {
        QCOMPARE(kDrawRowLimit, 1'000'000);
    }

    // A row that repeats held values shares their text with the row before,
    // so a huge held value costs its size once, not once per row.
    void repeatedRowsShareTheirText()
    {
        QByteArray match = kGoodMatch;
        match.replace("<HOME>H</HOME>", "<HOME>" + QByteArray(100000, 'H') + "</HOME>");
        const QByteArray feed = match + QByteArray("<MATCH>").repeated(50)
                              + "<MATCH><NUM>9</NUM><P1>7</P1></MATCH>"_ba;
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        QCOMPARE(FillMatches(feed, Bookmaker::FonBet, grid), FillEnd::Complete);
        QCOMPARE(grid.RowCount(), 52);
        const GridRows &cells = grid.cells();
        const QString &home = cells.text(matchcol::Home, 0);
        QCOMPARE(home.size(), 100000);
        const QString league = grid.hint(matchcol::Sport, 0);
        for (int r = 1; r < grid.RowCount(); ++r) {
            QCOMPARE(cells.text(matchcol::Home, r).constData(), home.constData());
            QCOMPARE(grid.hint(matchcol::Sport, r).constData(), league.constData());
        }
        // A later match that lacks a field takes the held value, still shared.
        QCOMPARE(grid.cellText(matchcol::Num, 51), u"9"_s);
        QCOMPARE(grid.cellText(matchcol::Pool1, 51), u"7"_s);
    }

    // Rows that unclosed matches repeat are rows of their own: a change to
    // one, in the grid or by a sort, leaves the others as they were.
    void repeatedRowsChangeAlone()
    {
        const QByteArray feed = kGoodMatch + QByteArray("<MATCH>").repeated(3);
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        QCOMPARE(FillMatches(feed, Bookmaker::FonBet, grid), FillEnd::Complete);
        QCOMPARE(grid.RowCount(), 4);
        const QStringList filled = rowTexts(grid, 0);
        for (int r = 1; r < 4; ++r)
            QCOMPARE(rowTexts(grid, r), filled);

        // The filled row with one cell changed; the hint comes last.
        const auto filledWith = [&filled](int cell, const QString &text) {
            QStringList cells = filled;
            cells[cell] = text;
            return cells;
        };
        grid.SetCellText(matchcol::Pool1, 1, u"7"_s);
        grid.SetCellText(matchcol::Home, 2, u"Z"_s);
        grid.SetCellHint(grid.CellAt(matchcol::Sport, 3), u"x"_s);
        grid.sort(matchcol::Pool1); // the row with 7 first, the others stay in order
        QCOMPARE(rowTexts(grid, 0), filledWith(matchcol::Pool1, u"7"_s));
        QCOMPARE(rowTexts(grid, 1), filled);
        QCOMPARE(rowTexts(grid, 2), filledWith(matchcol::Home, u"Z"_s));
        QCOMPARE(rowTexts(grid, 3), filledWith(matchcol::Count, u"x"_s));
    }

    // Matches of their own with the same text in a field (one league, one
    // date for a whole draw) share one string, as repeated rows do; a
    // different text gets its own.
    void equalTextsShareOneString()
    {
        QByteArray other = kGoodMatch;
        other.replace("<HOME>H</HOME>", "<HOME>G</HOME>");
        const QByteArray feed = kGoodMatch + kGoodMatch + other;
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        QCOMPARE(FillMatches(feed, Bookmaker::FonBet, grid), FillEnd::Complete);
        QCOMPARE(grid.RowCount(), 3);
        const GridRows &cells = grid.cells();
        QCOMPARE(cells.text(matchcol::Home, 1).constData(), cells.text(matchcol::Home, 0).constData());
        QCOMPARE(cells.text(matchcol::Home, 2), u"G"_s);
        QCOMPARE(cells.text(matchcol::Away, 2).constData(), cells.text(matchcol::Away, 0).constData());
        QCOMPARE(grid.hint(matchcol::Sport, 2).constData(), grid.hint(matchcol::Sport, 0).constData());
    }

    // Each value is converted once, when it is read: a held number and held
    // result lines cost nothing more per row that repeats them, whether the
    // row comes from an unclosed "<MATCH>" or from a match that lacks them.
    void valuesConvertedOnce_data()
    {
        QTest::addColumn<QByteArray>("feed");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("lines");

        // A good match converts its 6 fields and the 14 numbers of its lines.
        QTest::newRow("one match") << kGoodMatch << 1 << 20 << 1;
        QTest::newRow("unclosed matches repeat it")
            << kGoodMatch + QByteArray("<MATCH>").repeated(1000) << 1001 << 20 << 1;
        QTest::newRow("closed matches lacking every field")
            << kGoodMatch + QByteArray("<MATCH></MATCH>").repeated(1000) << 1001 << 20 << 3;
        // The lines' leftover settles after two more rows, as the cuts leave
        // nothing more to take apart; from then on rows are copies.
        QTest::newRow("matches with their own P1 only")
            << kGoodMatch + QByteArray("<MATCH><P1>5</P1></MATCH>").repeated(1000) << 1001 << 1020 << 3;
        QTest::newRow("matches with their own lines")
            << kGoodMatch + QByteArray("<MATCH><ITOG>1/2/3<br><b>4/5/6(7)</b></ITOG></MATCH>").repeated(10) << 11
            << 20 + 10 * 7 << 11;
        // Nested: each match runs to the one close tag at the end, so all of
        // them find the same fields and lines of the last match.
        QTest::newRow("nested matches find the same elements")
            << QByteArray("<MATCH>").repeated(1000) + kGoodMatch << 1001 << 20 << 1;
    }

    void valuesConvertedOnce()
    {
        QFETCH(QByteArray, feed);
        QFETCH(int, rows);
        QFETCH(int, numbers);
        QFETCH(int, lines);

        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        FillCounts counts;
        QCOMPARE(FillMatches(feed, Bookmaker::FonBet, grid, kDrawRowLimit, &counts), FillEnd::Complete);
        QCOMPARE(grid.RowCount(), rows);
        QCOMPARE(counts.numbersConverted, numbers);
        QCOMPARE(counts.resultLinesRead, lines);
    }

    // The error box quotes a refused value up to 200 characters.
    void hugeRefusedValueIsCut()
    {
        QByteArray match = kGoodMatch;
        match.replace("<P1>40</P1>", "<P1>" + QByteArray(1000000, '0') + "x</P1>");
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        try {
            FillMatches(match + "<MATCH>", Bookmaker::FonBet, grid);
            QFAIL("no error");
        } catch (const GridError &e) {
            QCOMPARE(e.message(), u"'"_s + QString(200, u'0') + u"…' is not a valid floating point value"_s);
        }
        QCOMPARE(grid.RowCount(), 1);
    }

    // The rows of a fill reach a view as one insertion, however many they are.
    void oneInsertion()
    {
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&grid, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
        FillMatches(fixture(u"truncated.xml"_s), Bookmaker::FonBet, grid);
        QVERIFY(grid.RowCount() > 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.front().at(1).toInt(), 0);
        QCOMPARE(inserted.front().at(2).toInt(), grid.RowCount() - 1);
        QCOMPARE(changed.count(), 0);

        // Also when a refused number ends the fill.
        grid.RemoveAllRows();
        inserted.clear();
        try {
            FillMatches(fixture(u"error_later_value.xml"_s), Bookmaker::FonBet, grid);
            QFAIL("no error");
        } catch (const GridError &) {
        }
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.front().at(2).toInt(), grid.RowCount() - 1);
    }

    void emptyFeed()
    {
        const auto gridHolder = makeGrid();
        GridModel &grid = *gridHolder;
        FillMatches(QByteArrayView(), Bookmaker::FonBet, grid);
        QCOMPARE(grid.RowCount(), 0);
        QCOMPARE(DrawTitle(QByteArrayView()), QString());
    }

    void title_data()
    {
        QTest::addColumn<QByteArray>("feed");
        QTest::addColumn<QString>("expected");

        QTest::newRow("missing") << fixture(u"title_missing.xml"_s) << QString();
        QTest::newRow("Cyrillic UTF-8") << fixture(u"title_cyrillic.xml"_s) << u"Тираж №1234 — «Спорт»"_s;
        QTest::newRow("in a feed of Windows-1251 fields") << fixture(u"carryover.xml"_s) << u"Тираж №1234"_s;
        QTest::newRow("ill-formed UTF-8") << fixture(u"title_illformed.xml"_s) << QString();
        QTest::newRow("sequence cut off at the end") << fixture(u"title_cut_sequence.xml"_s) << QString();
        QTest::newRow("Windows-1251 bytes") << fixture(u"title_windows1251.xml"_s) << QString();
        QTest::newRow("characters outside Windows-1251")
            << fixture(u"title_outside.xml"_s) << u"Draw ? 5 ? €"_s;
        QTest::newRow("the first TIRAGE, wherever it stands") << fixture(u"title_second.xml"_s) << u"first"_s;
        QTest::newRow("empty element") << "<TIRAGE></TIRAGE>"_ba << QString();
        QTest::newRow("no close tag") << "<TIRAGE>Draw"_ba << QString();
        QTest::newRow("byte order mark") << "<TIRAGE>\xef\xbb\xbf" "Draw</TIRAGE>"_ba << u"?Draw"_s;
        QTest::newRow("surrogate code point") << "<TIRAGE>\xed\xa0\x80</TIRAGE>"_ba << QString();
        QTest::newRow("overlong form") << "<TIRAGE>\xc0\xaf</TIRAGE>"_ba << QString();
    }

    void title()
    {
        QFETCH(QByteArray, feed);
        QFETCH(QString, expected);
        QCOMPARE(DrawTitle(feed), expected);
    }
};

QTEST_GUILESS_MAIN(DrawFillTest)
#include "tst_drawfill.moc"
