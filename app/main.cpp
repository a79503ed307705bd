// Project1: the program's entry.
#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/skin.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Options
{
    QCommandLineParser parser;
    QCommandLineOption server{u"server"_s,
                              u"Use the server at <url> (a mirror or test server) instead of the vendor's."_s,
                              u"url"_s};

    Options()
    {
        parser.setApplicationDescription(
            u"Shows a football and hockey pool draw with the pool's and the bookmaker's "
            "outcome percentages, and derives picks from them."_s);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(server);
    }
};

// --help and --version answer before the window system starts, so they work
// without a display. Anything else waits for QApplication, which takes its
// own options (-platform, -style, ...) out of the arguments first.
void answerHelpAndVersion(int argc, char *argv[])
{
    int count = argc;
    const QCoreApplication core(count, argv);
    Options options;
    options.parser.parse(QCoreApplication::arguments()); // errors are reported below
    if (options.parser.isSet(u"help"_s))
        options.parser.showHelp(0);
    if (options.parser.isSet(u"version"_s))
        options.parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(u"Vorlan"_s);
    QCoreApplication::setApplicationVersion(vendor::version);
    answerHelpAndVersion(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(u"Vorlan"_s);
    // Wayland desktops match the window to vorlan.desktop by this name.
    QGuiApplication::setDesktopFileName(u"vorlan"_s);

    Options options;
    options.parser.process(app);
    const QUrl serverUrl = vendor::serverUrl(options.parser.value(options.server));
    if (!isPlainHttpUrl(serverUrl)) {
        std::fprintf(stderr, "vorlan: --server needs a plain http:// address with a host: %s\n",
                     qPrintable(options.parser.value(options.server)));
        return 2;
    }

    applySkin(app);

    SystemDesktop desktop;
    HttpClient http;
    TForm1 form(desktop, http, serverUrl);
    form.show();
    return QApplication::exec();
}
