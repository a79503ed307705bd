#include "tools/bench/pugipeer.h"

#include <pugixml.hpp>

#include <charconv>
#include <cstring>

namespace {

constexpr std::array<const char *, PeerMatch::FieldCount> kFieldNames{
    "LEAGUE", "NUM", "DATE", "TIME", "HOME", "AWAY", "P1", "DRAW", "P2", "P1B", "DRAWB", "P2B"};
constexpr std::array<const char *, PeerMatch::LineCount> kLineNames{"ITOG", "ITOG2"};

// The text before the first sep; rest keeps what follows it, or nothing.
std::string_view cut(std::string_view &rest, char sep)
{
    const std::size_t at = rest.find(sep);
    const std::string_view left = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
    return left;
}

double number(std::string_view text, int &refused)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        ++refused;
    return value;
}

void take(const pugi::xml_node &match, PeerMatch &m)
{
    for (std::size_t f = 0; f < kFieldNames.size(); ++f) {
        if (const pugi::xml_node field = match.child(kFieldNames[f]))
            m.fields[f] = field.child_value();
    }
    for (std::size_t l = 0; l < kLineNames.size(); ++l) {
        if (const pugi::xml_node line = match.child(kLineNames[l])) {
            m.separate[l] = line.child_value();
            m.joint[l] = line.child("b").child_value();
        }
    }

    m.refused = 0;
    for (int f = PeerMatch::P1; f <= PeerMatch::P2B; ++f)
        m.numbers[std::size_t(f - PeerMatch::P1)] = number(m.fields[std::size_t(f)], m.refused);
    for (std::size_t l = 0; l < PeerMatch::LineCount; ++l) {
        std::string_view text = m.joint[l];
        double *joint = &m.numbers[6 + 4 * l];
        joint[0] = number(cut(text, '/'), m.refused);
        joint[1] = number(cut(text, '/'), m.refused);
        joint[2] = number(cut(text, '('), m.refused);
        joint[3] = number(cut(text, ')'), m.refused);
        std::string_view separate = m.separate[l];
        double *single = &m.numbers[14 + 3 * l];
        single[0] = number(cut(separate, '/'), m.refused);
        single[1] = number(cut(separate, '/'), m.refused);
        single[2] = number(separate, m.refused);
    }
}

} // namespace

void forEachPeerMatch(const pugi::xml_node &document, const std::function<void(const PeerMatch &)> &visit)
{
    PeerMatch m;
    pugi::xml_node node = document.first_child();
    if (!node)
        return;
    // Depth first without recursion: nested matches may be many levels deep.
    for (;;) {
        bool descend = false;
        if (node.type() == pugi::node_element) {
            if (std::strcmp(node.name(), "MATCH") == 0) {
                take(node, m);
                visit(m);
                descend = true;
            } else {
                descend = std::strcmp(node.name(), "DRAW") == 0;
            }
        }
        if (descend && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (!node.next_sibling()) {
            node = node.parent();
            if (!node || node == document)
                return;
        }
        node = node.next_sibling();
    }
}

double peerChecksum(const pugi::xml_node &document)
{
    double sum = 0;
    forEachPeerMatch(document, [&sum](const PeerMatch &m) {
        for (double v : m.numbers)
            sum += v;
        for (const std::string &text : m.fields)
            sum += double(text.size());
        sum += double(m.refused);
    });
    return sum;
}
