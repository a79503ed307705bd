#include "feeds/drawfill.h"

#include "grid/cp1251.h"
#include "grid/errortext.h"
#include "feeds/resultlines.h"
#include "feeds/tagscanner.h"
#include "feeds/tagreader.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "grid/gridrows.h"
#include "grid/numbertext.h"

#include <QScopeGuard>
#include <QStringDecoder>

#include <array>
#include <optional>
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

// The scanner's names: the fields by their index, then these.
constexpr int kMatch = int(kFields.size());
constexpr int kPoolLine = kMatch + 1;
constexpr int kBookLine = kMatch + 2;

constexpr std::size_t kLeague = 0;
constexpr QByteArrayView kMatchTag = "<MATCH>";
constexpr int kHockeyImage = 1;

// The same element of the feed: views compare by place, not by content.
bool samePlace(QByteArrayView a, QByteArrayView b)
{
    return a.data() == b.data() && a.size() == b.size();
}

bool samePlace(std::optional<QByteArrayView> a, std::optional<QByteArrayView> b)
{
    return a.has_value() == b.has_value() && (!a || samePlace(*a, *b));
}

// A field's holding string, converted once when read: the text widened for
// a text cell, or the value of a number cell.
struct HeldValue
{
    bool read = false;
    QByteArrayView source; // where in the feed it was read
    QString text;          // text fields and the league
    std::optional<double> number = std::nullopt; // number fields; nothing when refused
    bool hockey = false;   // the league marks a hockey match
};

// Converts a number cell's text the way the grid does, straight from the
// feed's bytes when the separator is ASCII.
class NumberReader
{
public:
    NumberReader(QChar separator, FillCounts *counts)
        : m_separator(separator), m_ascii(separator.unicode() < 0x80), m_counts(counts)
    {
    }

    std::optional<double> operator()(QByteArrayView bytes) const
    {
        if (m_counts)
            ++m_counts->numbersConverted;
        if (m_ascii)
            return numbertext::parse(bytes, char(m_separator.unicode()));
        return numbertext::parse(cp1251::toUnicode(bytes), m_separator);
    }

    // The grid's conversion error for bytes; only the quoted part is widened.
    static GridError refused(QByteArrayView bytes)
    {
        return GridError::notAFloatingPointValue(
            cp1251::toUnicode(bytes.first(std::min(bytes.size(), GridError::kQuotedValueLength + 1))));
    }

private:
    QChar m_separator;
    bool m_ascii;
    FillCounts *m_counts;
};

// The result columns of the row being built.
class PendingRowCells final : public ResultCells
{
public:
    PendingRowCells(GridRows &rows, const NumberReader &numbers) : m_rows(rows), m_numbers(numbers) {}

    void setNumber(int column, QByteArrayView value) override
    {
        const std::optional<double> number = m_numbers(value);
        if (!number)
            throw NumberReader::refused(value);
        m_rows.setNumber(column, m_rows.size() - 1, *number);
    }
    void setPick(int column, const QString &code) override { m_rows.setText(column, m_rows.size() - 1, code); }
    QString pick(int column) const override { return m_rows.text(column, m_rows.size() - 1); }

private:
    GridRows &m_rows;
    const NumberReader &m_numbers;
};

// What decides a row's result columns: the working text it starts from and
// the two lines found in its match. A row with the same key as the row
// before gets the same cells and leaves the same working text.
struct ResultKey
{
    std::optional<QByteArrayView> start; // nothing when ITOG replaces it anyway
    std::optional<QByteArrayView> pool;
    std::optional<QByteArrayView> book;

    bool operator==(const ResultKey &other) const
    {
        return samePlace(start, other.start) && samePlace(pool, other.pool) && samePlace(book, other.book);
    }
};

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

FillEnd FillMatches(QByteArrayView feed, Bookmaker bookmaker, GridModel &grid, int rowLimit, FillCounts *counts)
{
    const bool readsDateTime = bookmakerInfo(bookmaker).readsDateTime;
    const auto isRead = [readsDateTime](int column) {
        return readsDateTime || (column != matchcol::Date && column != matchcol::Time);
    };
    const NumberReader readNumber(grid.decimalSeparator(), counts);

    std::vector<QByteArrayView> names;
    for (const Field &field : kFields)
        names.push_back(field.name);
    names.insert(names.end(), {"MATCH", "ITOG", "ITOG2"});
    TagScanner tags(feed, names);

    // Holding strings: a field a match lacks keeps the last value read.
    std::array<HeldValue, kFields.size()> held;
    std::optional<QByteArrayView> poolLine;
    std::optional<QByteArrayView> bookLine;
    QByteArrayView workingText;
    std::optional<ResultKey> lastKey;
    const QString dash = u"-"_s;

    // The rows are built here and handed to the grid in one piece, also when
    // a refused number ends the fill.
    GridRows rows(grid.columns());
    PendingRowCells resultCells(rows, readNumber);
    const auto handOver = qScopeGuard([&] { grid.appendRows(std::move(rows)); });

    // The feed text still to read starts here; each match cuts it just past
    // its "<MAT", so the next search finds the next "<MATCH>".
    qsizetype rest = 0;
    for (qsizetype open; (open = tags.openAt(kMatch, rest)) >= 0; rest = open + 4) {
        if (rows.size() >= rowLimit)
            return FillEnd::RowLimit;
        // A "<MATCH>" without a close tag keeps the previous match's text, and
        // so every value read from it: nothing to read again.
        const qsizetype begin = open + kMatchTag.size();
        const bool closed = tags.closesAtOrAfter(kMatch, begin);
        if (closed) {
            // Up to the match's close tag where the scan has passed it; else
            // each value is checked against it as far as the value reaches.
            const qsizetype end = tags.closeSeenAt(kMatch, begin);
            const auto valueOf = [&](int name) {
                return end >= 0 ? tags.find(name, begin, end) : tags.findBefore(name, begin, kMatch);
            };
            const auto lineOf = [&](int name) -> std::optional<QByteArrayView> {
                const QByteArrayView line = valueOf(name);
                return line.isNull() ? std::nullopt : std::optional(line);
            };
            for (std::size_t i = 0; i < kFields.size(); ++i) {
                const int column = kFields[i].column;
                if (!isRead(column))
                    continue;
                const QByteArrayView value = valueOf(int(i));
                HeldValue &h = held[i];
                if (value.isNull() || (h.read && samePlace(value, h.source)))
                    continue;
                const bool isNumber = grid.column(column).kind == CellKind::Number;
                // The same text as the held one (a league, a date) is shared,
                // not widened into a string of its own for every match.
                if (!isNumber && h.read && value == h.source) {
                    h.source = value;
                    continue;
                }
                h.read = true;
                h.source = value;
                if (isNumber) {
                    h.number = readNumber(value);
                } else {
                    h.text = cp1251::toUnicode(value);
                    h.hockey = i == kLeague && h.text.contains(u"Hockey"_s);
                }
            }
            poolLine = lineOf(kPoolLine);
            bookLine = lineOf(kBookLine);
        }

        // FillResultColumns on this match, with its lines found by the scanner.
        const ResultKey key{poolLine ? std::nullopt : std::optional(workingText), poolLine, bookLine};
        const bool sameResults = lastKey && *lastKey == key;
        // Nothing read and the same result columns: the row before, again.
        if (!closed && sameResults) {
            rows.appendCopy(rows.size() - 1);
            continue;
        }

        rows.append(1);
        const int row = rows.size() - 1;

        const HeldValue &league = held[kLeague];
        if (league.hockey)
            rows.setImage(matchcol::Sport, row, kHockeyImage);
        rows.setHint(matchcol::Sport, row, league.text);

        for (std::size_t i = kLeague + 1; i < kFields.size(); ++i) {
            const int column = kFields[i].column;
            const HeldValue &h = held[i];
            if (!isRead(column)) {
                rows.setText(column, row, dash);
            } else if (grid.column(column).kind != CellKind::Number) {
                rows.setText(column, row, h.text);
            } else {
                // Never read: the empty text, which no number column takes.
                if (!h.read || !h.number)
                    throw NumberReader::refused(h.source);
                rows.setNumber(column, row, *h.number);
            }
        }

        if (sameResults) {
            rows.copyCells(row - 1, row, matchcol::PoolJoint1, matchcol::ADB);
            continue; // and the working text is as the row before left it
        }
        if (counts)
            ++counts->resultLinesRead;
        ReadResultLines(workingText, poolLine, bookLine, resultCells);
        lastKey = key;
    }
    return FillEnd::Complete;
}

QString rowLimitReason(int rowLimit)
{
    return QStringLiteral("a load stops after %1 rows")
        .arg(groupedNumber(rowLimit));
}
