// libFuzzer target for the draw fill. The first byte chooses the bookmaker
// and the decimal separator, the rest is the feed. A hostile feed may stop
// the fill with a GridError and nothing else; every broken invariant aborts,
// so the fuzzer (or the replay driver) reports it with its input.

#include "feeds/bookmaker.h"
#include "grid/cp1251.h"
#include "feeds/drawfill.h"
#include "tools/fuzz/referencefill.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const char *invariant, int row, int column, const QString &detail)
{
    std::fprintf(stderr, "vorlan-fuzz: broken invariant: %s (row %d, column %d)%s%s\n", invariant, row,
                 column, detail.isEmpty() ? "" : ": ", detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

void require(bool holds, const char *invariant, int row = -1, int column = -1, const QString &detail = {})
{
    if (!holds)
        fail(invariant, row, column, detail);
}

struct Setup
{
    Bookmaker bookmaker;
    QChar decimalSeparator;
};

Setup setupFrom(std::uint8_t selector)
{
    constexpr std::array<Bookmaker, 3> bookmakers{Bookmaker::FonBet, Bookmaker::MarathonBet,
                                                  Bookmaker::OneXBet};
    return {bookmakers[selector % 3], (selector / 3) % 2 ? u',' : u'.'};
}

// Counted apart from the feed library's own search.
int countMatchTags(QByteArrayView feed)
{
    const std::string_view text(feed.data(), std::size_t(feed.size()));
    int count = 0;
    for (std::size_t at = text.find("<MATCH>"); at != std::string_view::npos; at = text.find("<MATCH>", at + 1))
        ++count;
    return count;
}

// The GridError's message when the fill stops; nothing when it runs through.
template<typename Fill>
std::optional<QString> fillCatching(Fill fill)
{
    try {
        fill();
    } catch (const GridError &error) {
        return error.message();
    }
    return std::nullopt;
}

QString cellText(const GridModel &grid, int column, int row)
{
    QString text = u"unset"_s;
    require(grid.GetCellText(column, row, text), "GetCellText reads every cell", row, column);
    return text;
}

bool isConversionError(const QString &message)
{
    return message.startsWith(u'\'') && message.endsWith(u"' is not a valid floating point value"_s);
}

// Pick cells hold an outcome code or nothing, whatever the feed says; a
// single pick goes with every double chance, and is one of its outcomes.
void checkPicks(const GridModel &grid, int row, int singleColumn, int doubleColumn)
{
    const QString single = cellText(grid, singleColumn, row);
    const QString chance = cellText(grid, doubleColumn, row);
    require(single.isEmpty() || single == u"1"_s || single == u"X"_s || single == u"2"_s,
            "single pick is empty, \"1\", \"X\" or \"2\"", row, singleColumn, single);
    require(chance.isEmpty() || chance == u"1X"_s || chance == u"2X"_s || chance == u"12"_s,
            "double chance is empty, \"1X\", \"2X\" or \"12\"", row, doubleColumn, chance);
    if (!chance.isEmpty()) {
        require(!single.isEmpty() && chance.contains(single.front()),
                "the single pick is one of the double chance's outcomes", row, doubleColumn,
                single + u" / "_s + chance);
    }
}

void checkRow(const GridModel &grid, int row, bool complete, Bookmaker bookmaker)
{
    for (int column = 0; column < matchcol::Count; ++column)
        cellText(grid, column, row);

    const int image = grid.imageIndex(matchcol::Sport, row);
    const bool hockey = grid.hint(matchcol::Sport, row).contains(u"Hockey"_s);
    require(image == (hockey ? 1 : 0), "sport picture follows \"Hockey\" in the league", row,
            matchcol::Sport, QString::number(image));

    // The date and time come before any number cell, so every row has them.
    if (bookmaker == Bookmaker::MarathonBet) {
        require(cellText(grid, matchcol::Date, row) == u"-"_s, "MarathonBet date is \"-\"", row, matchcol::Date);
        require(cellText(grid, matchcol::Time, row) == u"-"_s, "MarathonBet time is \"-\"", row, matchcol::Time);
    }

    checkPicks(grid, row, matchcol::OBB, matchcol::DBB);
    checkPicks(grid, row, matchcol::OBP, matchcol::DBP);

    const QString aob = cellText(grid, matchcol::AOB, row);
    const QString adb = cellText(grid, matchcol::ADB, row);
    if (!complete) {
        // The row the fill stopped in never reaches its agreement step.
        require(aob.isEmpty() && adb.isEmpty(), "no agreement in the row a grid error stopped", row);
        return;
    }
    const auto agreed = [&](int book, int pool) {
        const QString pick = cellText(grid, book, row);
        return pick == cellText(grid, pool, row) ? pick : QString();
    };
    require(aob == agreed(matchcol::OBB, matchcol::OBP), "AOB is the single pick both sides make", row,
            matchcol::AOB, aob);
    require(adb == agreed(matchcol::DBB, matchcol::DBP), "ADB is the double chance both sides make", row,
            matchcol::ADB, adb);
}

void checkSameGrid(const GridModel &grid, const GridModel &expected)
{
    require(grid.RowCount() == expected.RowCount(), "row count as the plain fill's", grid.RowCount(), -1,
            QString::number(expected.RowCount()));
    for (int row = 0; row < grid.RowCount(); ++row) {
        require(grid.imageIndex(matchcol::Sport, row) == expected.imageIndex(matchcol::Sport, row),
                "sport picture as the plain fill's", row, matchcol::Sport);
        require(grid.hint(matchcol::Sport, row) == expected.hint(matchcol::Sport, row),
                "league hint as the plain fill's", row, matchcol::Sport, grid.hint(matchcol::Sport, row));
        for (int column = 0; column < matchcol::Count; ++column) {
            const QString text = cellText(grid, column, row);
            const QString want = cellText(expected, column, row);
            require(text == want, "cell as the plain fill's", row, column, text + u" / expected "_s + want);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Setup setup = setupFrom(data[0]);
    const QByteArrayView feed(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const QString title = DrawTitle(feed);
    require(cp1251::limit(title) == title, "the title holds only Windows-1251 characters", -1, -1, title);
    require(title == reference::DrawTitle(feed), "title as the plain decoding's", -1, -1, title);

    GridModel grid(matchGridColumns());
    grid.setDecimalSeparator(setup.decimalSeparator);
    const auto error = fillCatching([&] { FillMatches(feed, setup.bookmaker, grid); });

    const int matches = countMatchTags(feed);
    if (error) {
        require(isConversionError(*error), "a grid error is the number conversion's", -1, -1, *error);
        require(grid.RowCount() >= 1 && grid.RowCount() <= matches,
                "a stopped fill has between 1 row and one per \"<MATCH>\"", grid.RowCount());
    } else {
        require(grid.RowCount() == matches, "one row per \"<MATCH>\"", grid.RowCount(), -1,
                QString::number(matches));
    }
    for (int row = 0; row < grid.RowCount(); ++row)
        checkRow(grid, row, !error || row + 1 < grid.RowCount(), setup.bookmaker);

    QString outside = u"kept"_s;
    require(!grid.GetCellText(0, grid.RowCount(), outside) && outside == u"kept"_s,
            "GetCellText past the last row reads nothing", grid.RowCount(), 0);
    require(!grid.GetCellText(matchcol::Count, 0, outside) && outside == u"kept"_s,
            "GetCellText past the last column reads nothing", 0, matchcol::Count);

    GridModel expected(matchGridColumns());
    expected.setDecimalSeparator(setup.decimalSeparator);
    const auto expectedError = fillCatching([&] { reference::FillMatches(feed, setup.bookmaker, expected); });
    require(error == expectedError, "grid error as the plain fill's", grid.RowCount(), -1,
            error.value_or(u"none"_s) + u" / expected "_s + expectedError.value_or(u"none"_s));
    checkSameGrid(grid, expected);
    return 0;
}
