#include "tools/bench/processcase.h"

#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>
#include <cstdlib>

namespace {

void finish(QProcess &process)
{
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        std::fprintf(stderr, "vorlan-bench-table: %s %s failed: %s (exit status %d)\n%s",
                     qPrintable(process.program()), qPrintable(process.arguments().join(u' ')),
                     qPrintable(process.errorString()), process.exitCode(),
                     process.readAllStandardError().constData());
        std::exit(1);
    }
}

} // namespace

double timeRun(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    finish(process);
    return double(timer.nsecsElapsed()) / 1e6;
}

QByteArray runOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    finish(process);
    return process.readAllStandardOutput();
}
