// vorlan-bench-csv: the plain converter that vorlan-feed is measured
// against. Reads the well-formed twin of a feed with pugixml and prints, as
// UTF-8 CSV like vorlan-feed, the title, then per match the sport (1 for a
// hockey league), columns 1 to 25 (fields, percentages and both result
// lines' numbers) and the league. The picks are left out.

#include "grid/cp1251.h"
#include "tools/bench/pugipeer.h"

#include <pugixml.hpp>

#include <array>
#include <charconv>
#include <cstdio>
#include <string>

namespace {

// Windows-1251 to UTF-8, byte by byte, from the program's own table.
std::array<std::string, 256> utf8Table()
{
    std::array<std::string, 256> table;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        table[std::size_t(byte)] = cp1251::toUnicode(QByteArrayView(&c, 1)).toUtf8().toStdString();
    }
    return table;
}

void appendField(std::string &out, std::string_view text, const std::array<std::string, 256> *widen)
{
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos;
    if (quoted)
        out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        if (widen)
            out += (*widen)[static_cast<unsigned char>(c)];
        else
            out += c;
    }
    if (quoted)
        out += '"';
}

void appendNumber(std::string &out, double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: vorlan-bench-csv TWIN.xml\n", stderr);
        return 2;
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(argv[1]);
    if (!parsed) {
        std::fprintf(stderr, "vorlan-bench-csv: %s: %s\n", argv[1], parsed.description());
        return 2;
    }
    const std::array<std::string, 256> widen = utf8Table();

    std::string out;
    const std::string_view title = document.child("DRAW").child_value("TIRAGE");
    if (title.empty())
        out += "\"\"";
    appendField(out, title, nullptr);
    out += '\n';
    int refused = 0;
    forEachPeerMatch(document, [&](const PeerMatch &m) {
        out += m.fields[PeerMatch::League].find("Hockey") != std::string::npos ? '1' : '0';
        for (int f = PeerMatch::Num; f <= PeerMatch::Away; ++f) {
            out += ',';
            appendField(out, m.fields[std::size_t(f)], &widen);
        }
        for (double value : m.numbers) {
            out += ',';
            appendNumber(out, value);
        }
        out += ',';
        appendField(out, m.fields[PeerMatch::League], &widen);
        out += '\n';
        refused += m.refused;
    });
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::fputs("vorlan-bench-csv: cannot write standard output\n", stderr);
        return 2;
    }
    if (refused > 0) {
        std::fprintf(stderr, "vorlan-bench-csv: %d pieces are not numbers\n", refused);
        return 1;
    }
    return 0;
}
