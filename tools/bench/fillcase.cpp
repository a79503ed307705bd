#include "tools/bench/fillcase.h"

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "tools/bench/median.h"
#include "tools/bench/pugipeer.h"
#include "tools/bench/wellformedtwin.h"

#include <QElapsedTimer>

#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <vector>

namespace {

[[noreturn]] void fail(const char *what, int matches)
{
    std::fprintf(stderr, "vorlan-bench-table: %s (%d matches)\n", what, matches);
    std::exit(1);
}

double ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Keeps results alive so that the compiler can't drop the work.
volatile double g_sink = 0;

double timeFill(const QByteArray &feed, int matches)
{
    GridModel grid(matchGridColumns());
    grid.setDecimalSeparator(u'.');
    QElapsedTimer timer;
    timer.start();
    try {
        FillMatches(feed, Bookmaker::FonBet, grid);
    } catch (const GridError &) {
        fail("the fill refused a number", matches);
    }
    const double elapsed = ms(timer);
    if (grid.RowCount() != matches)
        fail("the fill gave the wrong number of rows", matches);
    return elapsed;
}

double timeParse(const QByteArray &twin, int matches, bool extract)
{
    pugi::xml_document document;
    QElapsedTimer timer;
    timer.start();
    if (!document.load_buffer(twin.constData(), std::size_t(twin.size())))
        fail("the twin is not well-formed", matches);
    if (extract)
        g_sink = g_sink + peerChecksum(document);
    return ms(timer);
}

double timeFloor(const QByteArray &feed)
{
    QElapsedTimer timer;
    timer.start();
    const char *at = feed.constData();
    const char *const end = at + feed.size();
    std::size_t tags = 0;
    while ((at = static_cast<const char *>(std::memchr(at, '<', std::size_t(end - at))))) {
        ++tags;
        ++at;
    }
    g_sink = g_sink + double(tags);
    return ms(timer);
}

double bytesPerRow(const QByteArray &feed, int matches)
{
    GridModel grid(matchGridColumns());
    grid.setDecimalSeparator(u'.');
    const std::size_t before = heapInUse();
    FillMatches(feed, Bookmaker::FonBet, grid);
    const std::size_t after = heapInUse();
    return matches > 0 ? double(after - before) / matches : 0;
}

} // namespace

FillFigures measureFill(const QByteArray &feed, int matches, int repeats)
{
    const QByteArray twin = wellFormedTwin(feed);
    std::vector<double> fill, parse, peer, floor;
    // Unmeasured rounds first, for a tenth of a second and at least one: they
    // warm the caches, the heap and the processor's clock, which one round of
    // a small feed is too short to do.
    QElapsedTimer warming;
    warming.start();
    do {
        timeFill(feed, matches);
        timeParse(twin, matches, true);
        timeFloor(feed);
    } while (warming.elapsed() < 100);
    for (int r = 0; r < repeats; ++r) {
        fill.push_back(timeFill(feed, matches));
        parse.push_back(timeParse(twin, matches, false));
        peer.push_back(timeParse(twin, matches, true));
        floor.push_back(timeFloor(feed));
    }
    FillFigures figures;
    figures.matches = matches;
    figures.bytes = feed.size();
    figures.fillMs = median(fill);
    figures.parseMs = median(parse);
    figures.peerMs = median(peer);
    figures.floorMs = median(floor);
    figures.bytesPerRow = bytesPerRow(feed, matches);
    return figures;
}
