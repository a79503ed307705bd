// vorlan-bench-table: the benchmark's table (scripts/bench builds and runs
// it). Our fill against pugixml and a memchr pass on the same generated
// feeds, at 1,000, 10,000 and 100,000 matches in the plain, unclosed and
// nested shapes; vorlan-feed against a plain pugixml converter; the main
// window's first frame against a minimal window's.

#include "grid/errortext.h"
#include "tools/bench/fillcase.h"
#include "tools/bench/generatedfeed.h"
#include "tools/bench/median.h"
#include "tools/bench/processcase.h"
#include "tools/bench/wellformedtwin.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kFeedTool = QString::fromUtf8(VORLAN_FEED_TOOL);
const QString kCsvPeer = QString::fromUtf8(VORLAN_CSV_PEER);
const QString kStartup = QString::fromUtf8(VORLAN_STARTUP);

// Three significant figures or whole numbers, whichever is longer.
QString fixed(double value)
{
    const int decimals = value >= 100 ? 0
        : value >= 10                 ? 1
        : value >= 1 || value <= 0    ? 2
                                      : std::min(6, 2 - int(std::floor(std::log10(value))));
    return QString::number(value, 'f', decimals);
}

QString ratio(double ours, double theirs)
{
    return theirs > 0 ? QString::number(ours / theirs, 'f', ours / theirs >= 10 ? 0 : 1) + u"×"_s : u"–"_s;
}

QString perSecond(qsizetype bytes, double ms)
{
    return ms > 0 ? QString::number(double(bytes) / 1e3 / ms, 'f', 0) : u"–"_s;
}

QString microsEach(double ms, int matches)
{
    return matches > 0 ? fixed(ms * 1e3 / matches) : u"–"_s;
}

using Row = QStringList;

void printTable(const QList<Row> &rows)
{
    QList<qsizetype> widths;
    for (const Row &row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    QTextStream out(stdout);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QString line = u"|"_s;
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            // Text left, figures right.
            const QString cell = c == 0 ? rows[r][c].leftJustified(widths[c])
                                        : rows[r][c].rightJustified(widths[c]);
            line += u' ' + cell + u" |"_s;
        }
        out << line << '\n';
        if (r == 0) {
            QString rule = u"|"_s;
            for (qsizetype width : widths)
                rule += QString(width + 2, u'-') + u'|';
            out << rule << '\n';
        }
    }
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "vorlan-bench-table: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

struct FirstFrames
{
    double windowMs = 0, minimalMs = 0;                 // constructed to first frame
    double windowBuildMs = 0, minimalBuildMs = 0;       // of which constructing
};

// Medians of the in-process times of fresh runs, the two windows in turn.
FirstFrames firstFrames(int repeats)
{
    std::vector<double> frame[2], build[2];
    const QString kinds[2] = {u"window"_s, u"minimal"_s};
    for (int r = 0; r < repeats; ++r) {
        for (int k = 0; k < 2; ++k) {
            const QList<QByteArray> figures = runOutput(kStartup, {kinds[k]}).trimmed().split(' ');
            bool built = false;
            bool painted = false;
            build[k].push_back(figures.value(0).toDouble(&built));
            frame[k].push_back(figures.value(1).toDouble(&painted));
            if (!built || !painted) {
                std::fprintf(stderr, "vorlan-bench-table: %s %s printed no times\n", qPrintable(kStartup),
                             qPrintable(kinds[k]));
                std::exit(1);
            }
        }
    }
    return {median(frame[0]), median(frame[1]), median(build[0]), median(build[1])};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Prints the benchmark's table; scripts/bench builds and runs it."_s);
    parser.addHelpOption();
    const QCommandLineOption quick(u"quick"_s, u"Only 1,000 and 10,000 matches, fewer runs: a smoke test."_s);
    parser.addOption(quick);
    parser.process(app);
    const bool isQuick = parser.isSet(quick);

    const std::vector<int> sizes = isQuick ? std::vector<int>{1000, 10000} : std::vector<int>{1000, 10000, 100000};
    QList<Row> rows{{u"case"_s, u"bytes"_s, u"ours ms"_s, u"MB/s"_s, u"µs a match"_s, u"parse ms"_s,
                     u"ours / parse"_s, u"peer ms"_s, u"ours / peer"_s, u"memchr ms"_s, u"ours / memchr"_s,
                     u"heap B a match"_s}};
    QStringList perMatchGrowth;
    for (FeedShape shape : {FeedShape::Plain, FeedShape::Unclosed, FeedShape::Nested}) {
        double firstCost = 0;
        double lastCost = 0;
        for (int matches : sizes) {
            const int repeats = isQuick ? 3 : matches <= 1000 ? 41 : matches <= 10000 ? 15 : 7;
            const QByteArray feed = generateFeed(matches, shape);
            const FillFigures f = measureFill(feed, matches, repeats);
            rows.append({u"fill, %1 %2"_s.arg(feedShapeName(shape), groupedNumber(matches)), groupedNumber(f.bytes),
                         fixed(f.fillMs), perSecond(f.bytes, f.fillMs), microsEach(f.fillMs, matches),
                         fixed(f.parseMs), ratio(f.fillMs, f.parseMs), fixed(f.peerMs),
                         ratio(f.fillMs, f.peerMs), fixed(f.floorMs), ratio(f.fillMs, f.floorMs),
                         u"%1 (%2 the feed)"_s.arg(groupedNumber(qint64(f.bytesPerRow)),
                                                   ratio(f.bytesPerRow, double(f.bytes) / matches))});
            (firstCost == 0 ? firstCost : lastCost) = f.fillMs / matches;
        }
        perMatchGrowth.append(u"%1 %2"_s.arg(feedShapeName(shape), ratio(lastCost, firstCost)));
    }

    // The command-line tool on a file, against the plain converter.
    const int fileMatches = sizes.back();
    QTemporaryDir dir;
    const QByteArray feed = generateFeed(fileMatches, FeedShape::Plain);
    const QString feedPath = writeFile(dir, u"feed.xml"_s, feed);
    const QString twinPath = writeFile(dir, u"twin.xml"_s, wellFormedTwin(feed));
    std::vector<double> tool, converter;
    for (int r = 0; r < (isQuick ? 1 : 7); ++r) {
        tool.push_back(timeRun(kFeedTool, {feedPath}));
        converter.push_back(timeRun(kCsvPeer, {twinPath}));
    }
    const double toolMs = median(tool);
    const double converterMs = median(converter);
    rows.append({u"vorlan-feed FILE > /dev/null, plain %1"_s.arg(groupedNumber(fileMatches)), groupedNumber(feed.size()),
                 fixed(toolMs), perSecond(feed.size(), toolMs), microsEach(toolMs, fileMatches), u"–"_s,
                 u"–"_s, fixed(converterMs), ratio(toolMs, converterMs), u"–"_s, u"–"_s, u"–"_s});

    const FirstFrames frames = firstFrames(isQuick ? 3 : 15);
    rows.append({u"first frame, offscreen (constructing: %1 / %2 ms)"_s.arg(fixed(frames.windowBuildMs),
                                                                           fixed(frames.minimalBuildMs)),
                 u"–"_s, fixed(frames.windowMs), u"–"_s, u"–"_s, u"–"_s, u"–"_s, fixed(frames.minimalMs),
                 ratio(frames.windowMs, frames.minimalMs), u"–"_s, u"–"_s, u"–"_s});

    printTable(rows);
    QTextStream(stdout)
        << "\nMedians of paired runs. parse: pugixml parses the well-formed twin (\"<br/>\", MATCH closed). "
           "peer: pugixml parses it, takes the 12 fields and both result lines into std::string, splits "
           "the triples and converts the 20 numbers; for vorlan-feed, a plain pugixml converter printing "
           "the same fields and numbers as CSV; for the first frame, a plain widget with a label under "
           "the same application set-up (constructing: of the first-frame time, window / minimal). memchr: one pass counting the \"<\". heap: the grid's heap "
           "(mallinfo2) after a fill, per row.\n"
        << "µs a match at " << groupedNumber(sizes.back()) << " / at " << groupedNumber(sizes.front()) << ": "
        << perMatchGrowth.join(u", "_s) << "\n";
    return 0;
}
