// vorlan-demo-server: a stand-in for the vendor's web server, for trying the
// program and its tools without the network:
//   vorlan-demo-server [--port N] [--root DIR] [--retire-marker]
// prints its base URL on the first line, then serves until killed.

#include "drawserver.h"

#include "feeds/vendor.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// The sample draws: installed beside the program (VORLAN_DEMO_DRAWS_INSTALLED
// is relative to its folder), else in the source tree it was built from.
QString defaultDraws()
{
    const QDir installed(QCoreApplication::applicationDirPath() + u'/'
                         + QStringLiteral(VORLAN_DEMO_DRAWS_INSTALLED));
    if (installed.exists(u"vorlan"_s))
        return installed.absolutePath();
    return QStringLiteral(VORLAN_DEMO_DRAWS);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"vorlan-demo-server"_s);
    QCoreApplication::setApplicationVersion(vendor::version);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Serves sample draw feeds and the version marker on 127.0.0.1."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(u"port"_s, u"Port to listen on; 0 takes a free one."_s,
                                  u"N"_s, u"0"_s);
    const QCommandLineOption root(u"root"_s, u"Folder holding the feeds in vorlan/."_s,
                                  u"DIR"_s, defaultDraws());
    const QCommandLineOption retire(u"retire-marker"_s,
                                    u"Answer 404 for the version marker."_s);
    parser.addOptions({port, root, retire});
    parser.process(app);

    QTextStream err(stderr);
    bool valid = false;
    const uint portNumber = parser.value(port).toUInt(&valid);
    if (!valid || portNumber > 65535) {
        err << "vorlan-demo-server: not a port: " << parser.value(port) << Qt::endl;
        return 2;
    }

    DrawServer server(parser.value(root), parser.isSet(retire));
    if (!server.listen(quint16(portNumber))) {
        err << "vorlan-demo-server: " << server.errorString() << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << server.url().toString() << Qt::endl;
    err << "vorlan-demo-server: serving the draws in " << QDir(parser.value(root)).absolutePath()
        << Qt::endl;
    return app.exec();
}
