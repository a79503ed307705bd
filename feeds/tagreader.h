#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The feed's only parser: literal, case-sensitive, byte-wise tags; no
// attributes, entities or nesting.

// Sets destination to the text between the first "<name>" and the first
// "</name>" after it. When either tag is missing, destination keeps what it
// held: the loader relies on that to carry a field over from an earlier match.
void ExtractTag(QByteArrayView text, QByteArrayView name, QByteArray &destination);
