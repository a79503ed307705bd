#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The feed's only parser: literal, case-sensitive, byte-wise tags; no
// attributes, entities or nesting.

// Sets destination to the text between the first "<name>" and the first
// "</name>" after it. When either tag is missing, destination keeps what it
// held: the loader relies on that to carry a field over from an earlier match.
void ExtractTag(QByteArrayView text, QByteArrayView name, QByteArray &destination);

// The same element as a view of text; nothing when either tag is missing.
std::optional<QByteArrayView> FindTag(QByteArrayView text, QByteArrayView name);
