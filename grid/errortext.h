#pragma once

#include <QString>

// An uncaught error's message as the error box shows it: with a full stop
// added when its last character sorts after ".".
QString errorBoxText(const QString &message);

// 10646 as "10,646": counts in messages, the same in every locale.
QString groupedNumber(qint64 number);
