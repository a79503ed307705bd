#pragma once

#include <QImage>

class QPainter;

// The program's small pictures, drawn as vectors and brought down from a
// larger canvas so their edges stay soft at 16 pixels.
namespace artwork {

QImage football();
QImage puck();
// The same drawings on a 16-unit square, for larger pictures.
void paintFootball(QPainter &p);
void paintPuck(QPainter &p);
QImage infoSign();
QImage redFlag();
// Bookmaker badges of the draw tab: a shield with a short mark, not a logo.
QImage bookmakerBadge(const QColor &top, const QColor &bottom, const QString &mark);
// The application icon at one of its sizes.
QImage applicationIcon(int size);
// Glyphs of the caption buttons, white on transparent.
QImage minimizeGlyph();
QImage closeGlyph();
// The radio box's indicator, 13 x 13.
QImage radioIndicator(bool checked, bool hover);
// A small filled arrow for scroll bars and sort marks; degrees clockwise
// from pointing up.
QImage arrowGlyph(int degrees);

} // namespace artwork
