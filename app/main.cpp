// Project1: the program's entry.
#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/skin.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"

#include <QApplication>
#include <QCommandLineParser>

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

    applySkin(app);

    SystemDesktop desktop;
    HttpClient http;
    TForm1 form(desktop, http, vendor::serverUrl(parser.value(server)));
    form.show();
    return QApplication::exec();
}
