// vorlan-feed: fills the match grid from a draw feed, as the window does
// after a download, and prints it as CSV. The feed is a file, standard input,
// or downloaded as the window downloads it.

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"
#include "grid/errortext.h"
#include "feeds/feedloader.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "grid/csvwriter.h"
#include "tools/feed/feedinput.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus : int {
    Filled = 0,
    StoppedByGridError = 1,
    Unusable = 2, // bad usage, unreadable input, unwritable output
    DownloadFailed = 3, // failed or broken off, grid error or not
    RowLimitReached = 4, // more "<MATCH>" than a load takes
};

struct Options
{
    Bookmaker bookmaker = Bookmaker::FonBet;
    std::optional<QChar> decimalSeparator; // the locale's unless given
    QString input;                         // empty or "-": standard input
    std::optional<QUrl> server;            // download from there instead
    CsvForm form = CsvForm::Plain;
    int rowLimit = kDrawRowLimit;
};

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

// Writes the draw to standard output as it goes.
bool printDraw(const QString &title, const GridModel &grid, CsvForm form)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !writeDrawCsv(out, title, grid, form) || !out.flush()) {
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
        u"Reads a draw feed from FILE or standard input, or downloads it as the window does "
        "(--download, --server), fills the 32-column match grid as the window does after a "
        "download, and writes it to standard output as UTF-8 CSV: first a record with the draw "
        "title, then one record per row with columns 0 to 31 (column 0 as its image index: "
        "0 football, 1 hockey) and the league hint. A number the grid refuses stops the fill: "
        "the rows so far are printed, the error goes to standard error and the exit status is 1. "
        "A download that fails or breaks off still prints what the window would show (after a "
        "failure the empty title and no rows, after a break the rows of the part that arrived); "
        "what went wrong goes to standard error and the exit status is 3, even when a number was "
        "refused too, since a cut feed is the likely cause. A load stops after %1 rows, as the "
        "window's does: the rows so far are printed, standard error says so and the exit status "
        "is 4. Bad usage or unreadable input "
        "gives exit status 2. With --spreadsheet the CSV is written for a spreadsheet set up for "
        "the user's locale: UTF-8 with a byte order mark, and \";\" between fields where the "
        "decimal separator is a comma."_s.arg(kDrawRowLimit));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption bookmaker(u"bookmaker"_s, u"Whose feed it is: fonbet (default), marathonbet or 1xbet."_s,
                                       u"name"_s, u"fonbet"_s);
    const QCommandLineOption separator(u"decimal-separator"_s,
                                       u"Decimal separator of the number columns; the locale's by default."_s,
                                       u"C"_s);
    const QCommandLineOption download(u"download"_s,
                                      u"Download the bookmaker's feed from the vendor's server (%1)."_s
                                          .arg(vendor::serverUrl().toString()));
    const QCommandLineOption server(u"server"_s, u"Download the bookmaker's feed from this server instead."_s,
                                    u"URL"_s);
    const QCommandLineOption spreadsheet(u"spreadsheet"_s,
                                         u"Write the CSV for a spreadsheet in the user's locale: byte order mark, "
                                         "and \";\" between fields where the decimal separator is a comma."_s);
    parser.addOption(bookmaker);
    parser.addOption(separator);
    parser.addOption(spreadsheet);
    parser.addOption(download);
    parser.addOption(server);
    // For tests, which need no million-row feed to reach the limit.
    QCommandLineOption rowLimit(u"row-limit"_s, u"The most rows a load makes."_s, u"N"_s);
    rowLimit.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(rowLimit);
    parser.addPositionalArgument(u"FILE"_s,
                                 u"The feed; standard input when absent or \"-\". Not with a download."_s,
                                 u"[FILE]"_s);

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help))
        parser.showHelp(Filled);
    if (parser.isSet(version))
        parser.showVersion();

    Options options;
    if (parser.isSet(spreadsheet))
        options.form = CsvForm::Spreadsheet;
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
    if (parser.isSet(rowLimit)) {
        bool ok = false;
        options.rowLimit = parser.value(rowLimit).toInt(&ok);
        if (!ok || options.rowLimit < 0) {
            error = u"the row limit must be a whole number from 0, not \"%1\""_s.arg(parser.value(rowLimit));
            return std::nullopt;
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        error = u"one feed at a time, not %1"_s.arg(files.size());
        return std::nullopt;
    }
    if (!files.isEmpty())
        options.input = files.front();

    if (parser.isSet(download) && parser.isSet(server)) {
        error = u"give --download or --server, not both"_s;
        return std::nullopt;
    }
    if ((parser.isSet(download) || parser.isSet(server)) && !files.isEmpty()) {
        error = u"give a FILE or a download, not both"_s;
        return std::nullopt;
    }
    if (parser.isSet(download))
        options.server = vendor::serverUrl();
    if (parser.isSet(server)) {
        const QUrl url(parser.value(server), QUrl::StrictMode);
        if (!isPlainHttpUrl(url)) {
            error = u"--server needs a plain http:// address, not \"%1\""_s.arg(parser.value(server));
            return std::nullopt;
        }
        options.server = url;
    }
    return options;
}

// The window's load after the download: title, then the rows. downloadProblem
// is empty unless the feed came from a download that went wrong.
int fillAndPrint(const QByteArray &feed, const Options &options, const QString &downloadProblem = {})
{
    // The grid stays until the process ends, which hands its memory back
    // at once: freeing a large draw cell by cell would take a fifth of the
    // run. Held here, it is still reachable, not leaked.
    static GridModel *kept = nullptr;
    kept = new GridModel(matchGridColumns());
    GridModel &grid = *kept;
    if (options.decimalSeparator)
        grid.setDecimalSeparator(*options.decimalSeparator);
    const QString title = DrawTitle(feed);
    std::optional<QString> gridError;
    FillEnd end = FillEnd::Complete;
    try {
        end = FillMatches(feed, options.bookmaker, grid, options.rowLimit);
    } catch (const GridError &e) {
        gridError = errorBoxText(e.message());
    }
    if (!printDraw(title, grid, options.form))
        return Unusable;
    if (!downloadProblem.isEmpty())
        printError(u"vorlan-feed: "_s + downloadProblem);
    if (gridError)
        printError(*gridError);
    if (end == FillEnd::RowLimit)
        printError(u"vorlan-feed: the draw is incomplete: %1; the rows so far are printed"_s
                       .arg(rowLimitReason(options.rowLimit)));
    // A feed cut short may well be why a number was refused; the download
    // is what to fix first.
    if (!downloadProblem.isEmpty())
        return DownloadFailed;
    if (gridError)
        return StoppedByGridError;
    return end == FillEnd::RowLimit ? RowLimitReached : Filled;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    SetConsoleOutputCP(CP_UTF8); // the CSV and the messages are UTF-8
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"vorlan-feed"_s);
    QCoreApplication::setApplicationVersion(vendor::version);

    QString error;
    const std::optional<Options> options = parseOptions(QCoreApplication::arguments(), error);
    if (!options) {
        printError(u"vorlan-feed: %1\nTry 'vorlan-feed --help'."_s.arg(error));
        return Unusable;
    }
    if (options->server) {
        HttpClient http;
        const QUrl url = feedUrl(options->bookmaker, *options->server);
        const Download download = http.get(url);
        return fillAndPrint(download.body, *options, downloadProblem(url, download));
    }
    const std::optional<QByteArray> feed = readFeedFile(options->input, error);
    if (!feed) {
        printError(u"vorlan-feed: %1"_s.arg(error));
        return Unusable;
    }
    return fillAndPrint(*feed, *options);
}
