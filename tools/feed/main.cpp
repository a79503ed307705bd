// vorlan-feed: fills the match grid from a draw feed, as the window does
// after a download, and prints it as CSV.

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"
#include "feeds/errortext.h"
#include "tools/feed/csvwriter.h"
#include "tools/feed/feedinput.h"
#include "views/griderror.h"
#include "views/gridlayouts.h"
#include "views/gridmodel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus : int {
    Filled = 0,
    StoppedByGridError = 1,
    Unusable = 2, // bad usage, unreadable input, unwritable output
};

struct Options
{
    Bookmaker bookmaker = Bookmaker::FonBet;
    std::optional<QChar> decimalSeparator; // the locale's unless given
    QString input;                         // empty or "-": standard input
};

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

bool printOutput(const QByteArray &bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        printError(u"vorlan-feed: cannot write standard output: %1"_s.arg(out.errorString()));
        return false;
    }
    return true;
}

std::optional<Bookmaker> bookmakerNamed(const QString &name)
{
    const QString key = name.toLower();
    if (key == u"fonbet")
        return Bookmaker::FonBet;
    if (key == u"marathonbet")
        return Bookmaker::MarathonBet;
    if (key == u"1xbet")
        return Bookmaker::OneXBet;
    return std::nullopt;
}

// Options from the command line; nothing, and error set, on bad usage.
// --help prints the help and ends the program.
std::optional<Options> parseOptions(const QStringList &arguments, QString &error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Reads a draw feed, fills the 32-column match grid as the window does after a download, "
        "and writes it to standard output as UTF-8 CSV: first a record with the draw title, then "
        "one record per row with columns 0 to 31 (column 0 as its image index: 0 football, "
        "1 hockey) and the league hint. A number the grid refuses stops the fill: the rows so far "
        "are printed, the error goes to standard error and the exit status is 1. Bad usage or "
        "unreadable input gives exit status 2."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption bookmaker(u"bookmaker"_s, u"Whose feed it is: fonbet (default), marathonbet or 1xbet."_s,
                                       u"name"_s, u"fonbet"_s);
    const QCommandLineOption separator(u"decimal-separator"_s,
                                       u"Decimal separator of the number columns; the locale's by default."_s,
                                       u"C"_s);
    parser.addOption(bookmaker);
    parser.addOption(separator);
    parser.addPositionalArgument(u"FILE"_s, u"The feed; standard input when absent or \"-\"."_s, u"[FILE]"_s);

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help))
        parser.showHelp(Filled);

    Options options;
    const auto named = bookmakerNamed(parser.value(bookmaker));
    if (!named) {
        error = u"unknown bookmaker \"%1\": use fonbet, marathonbet or 1xbet"_s.arg(parser.value(bookmaker));
        return std::nullopt;
    }
    options.bookmaker = *named;
    if (parser.isSet(separator)) {
        const QString value = parser.value(separator);
        if (value.size() != 1) {
            error = u"the decimal separator must be one character, not \"%1\""_s.arg(value);
            return std::nullopt;
        }
        options.decimalSeparator = value.front();
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        error = u"one feed at a time, not %1"_s.arg(files.size());
        return std::nullopt;
    }
    if (!files.isEmpty())
        options.input = files.front();
    return options;
}

// The window's load after the download: title, then the rows.
int fillAndPrint(const QByteArray &feed, const Options &options)
{
    GridModel grid(matchGridColumns());
    if (options.decimalSeparator)
        grid.setDecimalSeparator(*options.decimalSeparator);
    const QString title = DrawTitle(feed);
    try {
        FillMatches(feed, options.bookmaker, grid);
    } catch (const GridError &e) {
        if (!printOutput(drawCsv(title, grid)))
            return Unusable;
        printError(errorBoxText(e.message()));
        return StoppedByGridError;
    }
    return printOutput(drawCsv(title, grid)) ? Filled : Unusable;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"vorlan-feed"_s);

    QString error;
    const std::optional<Options> options = parseOptions(QCoreApplication::arguments(), error);
    if (!options) {
        printError(u"vorlan-feed: %1\nTry 'vorlan-feed --help'."_s.arg(error));
        return Unusable;
    }
    const std::optional<QByteArray> feed = readFeedFile(options->input, error);
    if (!feed) {
        printError(u"vorlan-feed: %1"_s.arg(error));
        return Unusable;
    }
    return fillAndPrint(*feed, *options);
}
