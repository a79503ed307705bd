#pragma once

#include <QImage>

class QPainter;

// The program's small pictures, drawn as vectors and brought down from a
// larger canvas so their edges stay soft at 16 pixels. scale 2 draws the
// same picture twice as large, for Qt's @2x variant on a 2x screen.
namespace artwork {

QImage football(int scale = 1);
QImage puck(int scale = 1);
// The same drawings on a 16-unit square, for larger pictures.
void paintFootball(QPainter &p);
void paintPuck(QPainter &p);
QImage infoSign(int scale = 1);
QImage redFlag(int scale = 1);
// Bookmaker badges of the draw tab: a shield with a short mark, not a logo.
QImage bookmakerBadge(const QColor &top, const QColor &bottom, const QString &mark, int scale = 1);
// The application icon at one of its sizes.
QImage applicationIcon(int size);
// Glyphs of the caption buttons, white on transparent.
QImage minimizeGlyph(int scale = 1);
QImage closeGlyph(int scale = 1);
// The radio box's indicator, 13 x 13.
QImage radioIndicator(bool checked, bool hover, int scale = 1);
// A small filled arrow for scroll bars and sort marks; degrees clockwise
// from pointing up.
QImage arrowGlyph(int degrees, int scale = 1);

} // namespace artwork
