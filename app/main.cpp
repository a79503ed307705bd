// Project1: the program's entry.
#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/skin.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Vorlan"_s);
    QApplication::setApplicationDisplayName(u"Vorlan"_s);
    QApplication::setApplicationVersion(vendor::version);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Shows a football and hockey pool draw with the pool's and the bookmaker's "
        "outcome percentages, and derives picks from them."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption server(
        u"server"_s, u"Use the server at <url> (a mirror or test server) instead of the vendor's."_s,
        u"url"_s);
    parser.addOption(server);
    parser.process(app);
    const QUrl serverUrl = vendor::serverUrl(parser.value(server));
    if (!isPlainHttpUrl(serverUrl)) {
        std::fprintf(stderr, "vorlan: --server needs a plain http:// address with a host: %s\n",
                     qPrintable(parser.value(server)));
        return 2;
    }

    applySkin(app);

    SystemDesktop desktop;
    HttpClient http;
    TForm1 form(desktop, http, serverUrl);
    form.show();
    return QApplication::exec();
}
