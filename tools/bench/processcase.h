#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs of the companion programs, each in a fresh process. A run that fails
// to start, crashes or exits with a status other than 0 stops the bench
// with a message and what it wrote to standard error; otherwise standard
// error is dropped (the window's start-up warns about the offscreen
// platform).

// The wall time from start to exit, in milliseconds, with standard output
// thrown away.
double timeRun(const QString &program, const QStringList &arguments);

// What the program printed.
QByteArray runOutput(const QString &program, const QStringList &arguments);
