#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Feeds of any size for the benchmark, as the server writes them:
// Windows-1251 fields, a UTF-8 title, CRLF line ends.
enum class FeedShape {
    Plain,    // every match closed
    Unclosed, // every match but the first lacks its close tag
    Nested,   // every match opens inside the one before; one close tag at the end
};

std::optional<FeedShape> feedShapeNamed(const QString &name);
QString feedShapeName(FeedShape shape);

// The same seed every time, so runs compare.
QByteArray generateFeed(int matches, FeedShape shape);
