// vorlan-bench-startup: the time from constructing a window to its first
// frame, offscreen, in a fresh process. "window" is the program's main
// window, "minimal" a plain widget with a label; both get the program's
// application set-up first. Prints the milliseconds to construct and to
// the first frame.

#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/skin.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "tools/bench/firstframe.h"

#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QWidget> minimalWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(u"Vorlan"_s);
    auto *layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(u"Vorlan"_s, window.get()));
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool program = argc == 2 && std::strcmp(argv[1], "window") == 0;
    if (!program && !(argc == 2 && std::strcmp(argv[1], "minimal") == 0)) {
        std::fputs("usage: vorlan-bench-startup window|minimal\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // The program's application set-up, the same for both windows.
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Vorlan"_s);
    QApplication::setApplicationDisplayName(u"Vorlan"_s);
    QApplication::setApplicationVersion(vendor::version);
    applySkin(app);
    SystemDesktop desktop;
    HttpClient http;

    FirstFrame frame;
    const std::unique_ptr<QWidget> window =
        program ? std::make_unique<TForm1>(desktop, http, vendor::serverUrl()) : minimalWindow();
    const qint64 constructed = frame.nsecsSinceStart();
    frame.watch(window.get());
    window->show();
    QApplication::exec();
    if (frame.nsecsToFrame() < 0) {
        std::fputs("vorlan-bench-startup: no frame was painted\n", stderr);
        return 1;
    }
    // Milliseconds with a point whatever the locale: the table reads them back.
    const QByteArray line = QByteArray::number(double(constructed) / 1e6, 'f', 3) + ' '
        + QByteArray::number(double(frame.nsecsToFrame()) / 1e6, 'f', 3) + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    return 0;
}
