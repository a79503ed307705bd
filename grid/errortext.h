#pragma once

#include <QString>

// An uncaught error's message as the error box shows it: with a full stop
// added when its last character sorts after ".".
QString errorBoxText(const QString &message);
