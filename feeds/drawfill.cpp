#include "feeds/drawfill.h"

#include "grid/cp1251.h"
#include "feeds/resultlines.h"
#include "feeds/tagcursor.h"
#include "feeds/tagreader.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QStringDecoder>

#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The fields of a match, in the order their cells are set.
struct Field
{
    QByteArrayView name;
    int column;
};

constexpr std::array<Field, 12> kFields{{
    {"LEAGUE", matchcol::Sport},
    {"NUM", matchcol::Num},
    {"DATE", matchcol::Date},
    {"TIME", matchcol::Time},
    {"HOME", matchcol::Home},
    {"AWAY", matchcol::Away},
    {"P1", matchcol::Pool1},
    {"DRAW", matchcol::PoolX},
    {"P2", matchcol::Pool2},
    {"P1B", matchcol::Book1},
    {"DRAWB", matchcol::BookX},
    {"P2B", matchcol::Book2},
}};

constexpr std::size_t kLeague = 0;
constexpr int kHockeyImage = 1;

} // namespace

QString DrawTitle(QByteArrayView feed)
{
    QByteArray title;
    ExtractTag(feed, "TIRAGE", title);
    // Stateless: a sequence cut off at the end is an error, not held back.
    // A byte order mark is a character like any other here.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = decoder.decode(title);
    if (decoder.hasError())
        return {};
    return cp1251::limit(decoded);
}

void FillMatches(QByteArrayView feed, Bookmaker bookmaker, GridModel &grid)
{
    const bool readsDateTime = bookmakerInfo(bookmaker).readsDateTime;
    const auto isRead = [readsDateTime](int column) {
        return readsDateTime || (column != matchcol::Date && column != matchcol::Time);
    };

    TagCursor matches(feed, "MATCH");
    std::vector<TagCursor> fieldTags;
    fieldTags.reserve(kFields.size());
    for (const Field &field : kFields)
        fieldTags.emplace_back(feed, field.name);
    TagCursor poolLines(feed, "ITOG");
    TagCursor bookLines(feed, "ITOG2");

    // Holding strings: a field a match lacks keeps the last value read.
    std::array<QString, kFields.size()> held;
    std::optional<QByteArrayView> poolLine;
    std::optional<QByteArrayView> bookLine;
    ResultLineState lines;

    // The feed text still to read starts here; each match cuts it just past
    // its "<MAT", so the next search finds the next "<MATCH>".
    qsizetype rest = 0;
    for (qsizetype open; (open = matches.openAt(rest)) >= 0; rest = open + 4) {
        // A "<MATCH>" without a close tag keeps the previous match's text, and
        // so every value read from it: nothing to read again.
        if (const auto match = matches.find(rest, feed.size())) {
            const qsizetype begin = match->data() - feed.data();
            const qsizetype end = begin + match->size();
            for (std::size_t i = 0; i < kFields.size(); ++i) {
                if (!isRead(kFields[i].column))
                    continue;
                if (const auto value = fieldTags[i].find(begin, end))
                    held[i] = cp1251::toUnicode(*value);
            }
            poolLine = poolLines.find(begin, end);
            bookLine = bookLines.find(begin, end);
        }

        grid.AppendRows(1);
        const int row = grid.RowCount() - 1;

        const QString &league = held[kLeague];
        const CellRef sport = grid.CellAt(matchcol::Sport, row);
        if (league.contains(u"Hockey"_s))
            grid.SetCellImageIndex(sport, kHockeyImage);
        grid.SetCellHint(sport, league);

        for (std::size_t i = kLeague + 1; i < kFields.size(); ++i) {
            const int column = kFields[i].column;
            grid.SetCellText(column, row, isRead(column) ? held[i] : u"-"_s);
        }

        // FillResultColumns on this match, with its lines found by the cursors.
        FillResultLines(lines, poolLine, bookLine, row, grid);
    }
}
