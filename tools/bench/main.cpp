// vorlan-bench: times FillMatches on a feed of N generated matches.

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "tools/bench/generatedfeed.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Times FillMatches on a generated feed of N matches. "
                                     "scripts/bench gives the full table."_s);
    parser.addHelpOption();
    const QCommandLineOption shape(u"shape"_s,
                                   u"plain (default); unclosed: every match but the first lacks its close "
                                   "tag; nested: every match opens inside the one before."_s,
                                   u"shape"_s, u"plain"_s);
    parser.addOption(shape);
    parser.addPositionalArgument(u"N"_s, u"Number of matches."_s);
    parser.process(app);

    bool ok = false;
    const int matches = parser.positionalArguments().value(0).toInt(&ok);
    const std::optional<FeedShape> feedShape = feedShapeNamed(parser.value(shape));
    if (!ok || matches < 0 || parser.positionalArguments().size() != 1 || !feedShape)
        parser.showHelp(2);

    const QByteArray feed = generateFeed(matches, *feedShape);
    GridModel grid(matchGridColumns());
    grid.setDecimalSeparator(u'.');

    QElapsedTimer timer;
    timer.start();
    FillMatches(feed, Bookmaker::FonBet, grid);
    const qint64 elapsed = timer.elapsed();

    QTextStream(stdout) << matches << " matches (" << feedShapeName(*feedShape) << "), " << feed.size()
                        << " bytes: " << grid.RowCount() << " rows filled in " << elapsed << " ms\n";
    return 0;
}
