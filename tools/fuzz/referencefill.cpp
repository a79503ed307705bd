#include "tools/fuzz/referencefill.h"

#include "grid/cp1251.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

using namespace Qt::StringLiterals;

namespace reference {

namespace {

using Text = std::string;
using View = std::string_view;
constexpr auto npos = View::npos;

View view(QByteArrayView bytes)
{
    return View(bytes.data(), std::size_t(bytes.size()));
}

QString widen(View bytes)
{
    return cp1251::toUnicode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// The literal tag search: destination keeps its value on a miss.
void extractTag(View text, View name, Text &destination)
{
    const Text open = '<' + Text(name) + '>';
    const std::size_t openAt = text.find(open);
    if (openAt == npos)
        return;
    const View rest = text.substr(openAt + open.size());
    const std::size_t closeAt = rest.find("</" + Text(name) + '>');
    if (closeAt == npos)
        return;
    destination = Text(rest.substr(0, closeAt));
}

struct Cut
{
    Text left;
    Text rest;
};

// Positions counted from 1, p = 0 for a missing separator: left is 1 to p - 1,
// rest runs from p + the separator's length to the end.
Cut cutAt(View text, View separator)
{
    const std::size_t found = text.find(separator);
    const std::size_t p = found == npos ? 0 : found + 1;
    Cut cut;
    if (p > 1)
        cut.left = Text(text.substr(0, p - 1));
    const std::size_t restFrom = p + separator.size();
    if (restFrom - 1 < text.size())
        cut.rest = Text(text.substr(restFrom - 1));
    return cut;
}

Text upTo(View text, char c)
{
    const std::size_t at = text.find(c);
    return at == npos ? Text() : Text(text.substr(0, at));
}

// std::string compares bytes as unsigned values, shorter prefix first.
bool below(const Text &a, const Text &b)
{
    return a < b;
}

// "1" unless V1 is below another value, then "2" unless V2 is below VX.
QString singlePick(const Text &v1, const Text &vx, const Text &v2)
{
    if (!below(v1, vx) && !below(v1, v2))
        return u"1"_s;
    if (!below(v2, vx))
        return u"2"_s;
    return u"X"_s;
}

// The outcomes but the lowest; of two lowest, "2" goes, or else "1".
QString doubleChance(const Text &v1, const Text &vx, const Text &v2)
{
    if (v1 == vx && vx == v2)
        return {};
    const Text lowest = std::min({v1, vx, v2});
    const bool low1 = v1 == lowest;
    const bool lowX = vx == lowest;
    const bool low2 = v2 == lowest;
    if (low1 + lowX + low2 == 1)
        return low1 ? u"2X"_s : lowX ? u"12"_s : u"1X"_s;
    return low2 ? u"1X"_s : u"2X"_s;
}

struct LineColumns
{
    int joint;
    int separate;
    bool picksFromJoint;
    int singlePick;
    int doubleChance;
};

void setPicks(GridModel &grid, int row, const LineColumns &line, const Text &v1, const Text &vx,
              const Text &v2)
{
    grid.SetCellText(line.singlePick, row, singlePick(v1, vx, v2));
    const QString chance = doubleChance(v1, vx, v2);
    if (!chance.isEmpty())
        grid.SetCellText(line.doubleChance, row, chance);
}

void readLine(Text &working, const LineColumns &line, int row, GridModel &grid)
{
    const Cut parts = cutAt(working, "<b>");
    Text joint = parts.rest;
    working = parts.left;

    if (joint.find('/') != npos) {
        Cut cut = cutAt(joint, "/");
        const Text v1 = cut.left;
        cut = cutAt(cut.rest, "/");
        const Text vx = cut.left;
        cut = cutAt(cut.rest, "(");
        const Text v2 = cut.left;
        const Text count = upTo(cut.rest, ')');
        grid.SetCellText(line.joint, row, widen(v1));
        grid.SetCellText(line.joint + 1, row, widen(vx));
        grid.SetCellText(line.joint + 2, row, widen(v2));
        grid.SetCellText(line.joint + 3, row, widen(count));
        if (line.picksFromJoint)
            setPicks(grid, row, line, v1, vx, v2);
    }

    if (working.find('/') != npos) {
        Cut cut = cutAt(working, "/");
        const Text v1 = cut.left;
        working = cut.rest;
        cut = cutAt(working, "/");
        const Text vx = cut.left;
        working = cut.rest;
        const Text v2 = upTo(working, '<');
        grid.SetCellText(line.separate, row, widen(v1));
        grid.SetCellText(line.separate + 1, row, widen(vx));
        grid.SetCellText(line.separate + 2, row, widen(v2));
        if (!line.picksFromJoint)
            setPicks(grid, row, line, v1, vx, v2);
    }
}

void agree(GridModel &grid, int row, int book, int pool, int target)
{
    const QString pick = grid.cellText(book, row);
    if (!pick.isEmpty() && pick == grid.cellText(pool, row))
        grid.SetCellText(target, row, pick);
}

void fillResultColumns(Text &working, View matchText, int row, GridModel &grid)
{
    extractTag(matchText, "ITOG", working);
    readLine(working, {matchcol::PoolJoint1, matchcol::PoolSeparate1, false, matchcol::OBP, matchcol::DBP},
             row, grid);
    extractTag(matchText, "ITOG2", working);
    readLine(working, {matchcol::BookJoint1, matchcol::BookSeparate1, true, matchcol::OBB, matchcol::DBB},
             row, grid);
    agree(grid, row, matchcol::OBB, matchcol::OBP, matchcol::AOB);
    agree(grid, row, matchcol::DBB, matchcol::DBP, matchcol::ADB);
}

// Well-formed UTF-8 only (no overlong forms, surrogates or values past
// U+10FFFF); nothing for anything else.
std::optional<std::u32string> decodeUtf8(View bytes)
{
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += char32_t(lead);
            ++i;
            continue;
        }
        std::size_t more = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        char32_t value = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            value = lead & 0x0F;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            value = lead & 0x07;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i - 1 < more)
            return std::nullopt;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return std::nullopt;
            value = (value << 6) | (next & 0x3F);
        }
        out += value;
        i += more + 1;
    }
    return out;
}

// One character for each of the code page's 256 bytes; '?' for the rest.
QString limitToCodePage(const std::u32string &text)
{
    std::array<char, 256> bytes;
    for (std::size_t b = 0; b < bytes.size(); ++b)
        bytes[b] = char(b);
    const QString page = cp1251::toUnicode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));

    QString out;
    for (const char32_t c : text) {
        const bool onPage = c <= 0xFFFF && page.contains(QChar(char16_t(c)));
        out += onPage ? QChar(char16_t(c)) : u'?';
    }
    return out;
}

} // namespace

QString DrawTitle(QByteArrayView feed)
{
    Text title;
    extractTag(view(feed), "TIRAGE", title);
    const auto decoded = decodeUtf8(title);
    return decoded ? limitToCodePage(*decoded) : QString();
}

void FillMatches(QByteArrayView feed, Bookmaker bookmaker, GridModel &grid)
{
    const bool marathon = bookmaker == Bookmaker::MarathonBet;
    constexpr std::array<std::pair<View, int>, 11> fields{{
        {"NUM", matchcol::Num}, {"DATE", matchcol::Date}, {"TIME", matchcol::Time},
        {"HOME", matchcol::Home}, {"AWAY", matchcol::Away}, {"P1", matchcol::Pool1},
        {"DRAW", matchcol::PoolX}, {"P2", matchcol::Pool2}, {"P1B", matchcol::Book1},
        {"DRAWB", matchcol::BookX}, {"P2B", matchcol::Book2},
    }};

    View text = view(feed);
    Text match;
    Text league;
    std::array<Text, fields.size()> held;
    Text working;

    for (std::size_t at; (at = text.find("<MATCH>")) != npos;) {
        extractTag(text, "MATCH", match);
        text.remove_prefix(at + 4); // "<MAT"
        grid.AppendRows(1);
        const int row = grid.RowCount() - 1;

        extractTag(match, "LEAGUE", league);
        const CellRef sport = grid.CellAt(matchcol::Sport, row);
        if (league.find("Hockey") != npos)
            grid.SetCellImageIndex(sport, 1);
        grid.SetCellHint(sport, widen(league));

        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto [name, column] = fields[i];
            if (marathon && (column == matchcol::Date || column == matchcol::Time)) {
                grid.SetCellText(column, row, u"-"_s);
                continue;
            }
            extractTag(match, name, held[i]);
            grid.SetCellText(column, row, widen(held[i]));
        }

        fillResultColumns(working, match, row, grid);
    }
}

} // namespace reference
