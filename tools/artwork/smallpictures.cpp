#include "smallpictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

using namespace Qt::StringLiterals;

namespace artwork {

namespace {

constexpr int Oversample = 8;

// Draws in units of one target pixel on a canvas Oversample times larger,
// then averages down to width x height times scale (2 for the @2x variant).
QImage drawSmall(int width, int height, int scale, const std::function<void(QPainter &)> &draw)
{
    const int factor = Oversample * scale;
    QImage canvas(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(factor, factor);
        draw(p);
    }
    return canvas.scaled(width * scale, height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QPolygonF regularPolygon(QPointF centre, qreal radius, int corners, qreal firstAngleDegrees)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal a = qDegreesToRadians(firstAngleDegrees + 360.0 * i / corners);
        polygon << centre + QPointF(radius * qCos(a), radius * qSin(a));
    }
    return polygon;
}

QFont boldFont(qreal pixelSize)
{
    QFont font(u"Liberation Sans"_s);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize * Oversample));
    return font;
}

// Text centred on a point, in target-pixel units, as a path so that it
// scales with the painter like every other shape.
QPainterPath centredText(const QString &text, qreal pixelSize, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, boldFont(pixelSize), text);
    const QRectF box = path.boundingRect();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(1.0 / Oversample, 1.0 / Oversample);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(path);
}

} // namespace

QImage football(int scale)
{
    return drawSmall(16, 16, scale, paintFootball);
}

void paintFootball(QPainter &p)
{
    const QPointF c(8, 8);
    const qreal r = 7.4;
    QRadialGradient shade(c - QPointF(2.2, 2.6), r * 1.5);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(0.6, QColor(236, 236, 236));
    shade.setColorAt(1, QColor(168, 168, 168));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(c, r, r);

    QPainterPath ball;
    ball.addEllipse(c, r, r);
    p.save();
    p.setClipPath(ball);
    const QPolygonF centre = regularPolygon(c, 2.35, 5, -90);
    p.setPen(QPen(QColor(40, 40, 40), 0.75));
    for (int i = 0; i < 5; ++i) {
        const QPointF outer = c + (centre[i] - c) * 3.4;
        p.drawLine(centre[i], outer);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawPolygon(centre);
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90 + 36 + 72.0 * i);
        const QPointF at = c + QPointF(qCos(a), qSin(a)) * 8.0;
        p.drawPolygon(regularPolygon(at, 2.6, 5, 90 + 72.0 * i - 36));
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(25, 25, 25), 0.9));
    p.drawEllipse(c, r - 0.1, r - 0.1);
}

QImage puck(int scale)
{
    return drawSmall(16, 16, scale, paintPuck);
}

void paintPuck(QPainter &p)
{
    const QRectF top(1, 3.5, 14, 6.5);
    const qreal thickness = 4.5;
    QPainterPath body;
    body.moveTo(top.left(), top.center().y());
    body.lineTo(top.left(), top.center().y() + thickness);
    body.arcTo(top.translated(0, thickness), 180, 180);
    body.lineTo(top.right(), top.center().y());
    body.closeSubpath();
    QLinearGradient side(top.left(), 0, top.right(), 0);
    side.setColorAt(0, QColor(8, 8, 8));
    side.setColorAt(0.35, QColor(58, 58, 58));
    side.setColorAt(1, QColor(6, 6, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(side);
    p.drawPath(body);

    QRadialGradient face(top.center() - QPointF(2.5, 1.2), 7);
    face.setColorAt(0, QColor(72, 72, 72));
    face.setColorAt(1, QColor(18, 18, 18));
    p.setBrush(face);
    p.setPen(QPen(QColor(0, 0, 0), 0.6));
    p.drawEllipse(top);
    // A lighter rim so the disc reads on dark ground too.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 150, 150), 0.5));
    p.drawArc(top.adjusted(0.4, 0.4, -0.4, -0.4), 20 * 16, 140 * 16);
}

QImage infoSign(int scale)
{
    return drawSmall(16, 16, scale, [](QPainter &p) {
        const QPointF c(8, 8);
        QRadialGradient disc(c - QPointF(2, 3), 10);
        disc.setColorAt(0, QColor(120, 184, 255));
        disc.setColorAt(0.55, QColor(38, 112, 222));
        disc.setColorAt(1, QColor(16, 66, 160));
        p.setBrush(disc);
        p.setPen(QPen(QColor(14, 52, 128), 0.9));
        p.drawEllipse(c, 7.2, 7.2);

        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 4.6), 1.35, 1.35);
        QPainterPath stem;
        stem.addRoundedRect(QRectF(6.85, 6.7, 2.3, 6.2), 0.5, 0.5);
        stem.addRect(QRectF(5.9, 6.7, 2.0, 1.1));
        stem.addRect(QRectF(5.9, 11.8, 4.2, 1.1));
        p.drawPath(stem.simplified());
    });
}

QImage redFlag(int scale)
{
    return drawSmall(16, 16, scale, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        QLinearGradient pole(2.6, 0, 4.2, 0);
        pole.setColorAt(0, QColor(70, 70, 70));
        pole.setColorAt(0.5, QColor(170, 170, 170));
        pole.setColorAt(1, QColor(60, 60, 60));
        p.setBrush(pole);
        p.drawRoundedRect(QRectF(2.6, 1.0, 1.6, 14.5), 0.6, 0.6);
        p.setBrush(QColor(90, 90, 90));
        p.drawEllipse(QPointF(3.4, 1.2), 1.1, 1.1);

        QPainterPath cloth;
        cloth.moveTo(4.2, 2.0);
        cloth.cubicTo(7.0, 0.6, 9.8, 3.4, 14.6, 2.0);
        cloth.lineTo(14.6, 9.2);
        cloth.cubicTo(9.8, 10.6, 7.0, 7.8, 4.2, 9.2);
        cloth.closeSubpath();
        QLinearGradient red(4, 2, 14.6, 9);
        red.setColorAt(0, QColor(255, 70, 60));
        red.setColorAt(0.5, QColor(214, 18, 18));
        red.setColorAt(1, QColor(170, 8, 8));
        p.setBrush(red);
        p.setPen(QPen(QColor(120, 0, 0), 0.5));
        p.drawPath(cloth);
    });
}

QImage bookmakerBadge(const QColor &top, const QColor &bottom, const QString &mark, int scale)
{
    return drawSmall(16, 16, scale, [&](QPainter &p) {
        QPainterPath shield;
        shield.moveTo(1.2, 1.2);
        shield.lineTo(14.8, 1.2);
        shield.lineTo(14.8, 7.6);
        shield.cubicTo(14.8, 11.6, 11.2, 13.8, 8.0, 15.2);
        shield.cubicTo(4.8, 13.8, 1.2, 11.6, 1.2, 7.6);
        shield.closeSubpath();
        QLinearGradient fill(0, 1, 0, 15);
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setBrush(fill);
        p.setPen(QPen(bottom.darker(160), 0.9));
        p.drawPath(shield);

        // A soft sheen over the upper half.
        p.save();
        p.setClipPath(shield);
        QLinearGradient sheen(0, 1, 0, 8);
        sheen.setColorAt(0, QColor(255, 255, 255, 70));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawRect(QRectF(1, 1, 14, 6.5));
        p.restore();

        const qreal size = mark.size() > 1 ? 8.2 : 10.5;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawPath(centredText(mark, size, QPointF(8.5, 7.6)));
        p.setBrush(Qt::white);
        p.drawPath(centredText(mark, size, QPointF(8.0, 7.1)));
    });
}

QImage applicationIcon(int size)
{
    return drawSmall(size, size, 1, [size](QPainter &p) {
        // Laid out on a 64-unit square whatever the size.
        p.scale(size / 64.0, size / 64.0);
        const QRectF badge(2, 2, 60, 60);
        QLinearGradient fill(0, 2, 0, 62);
        fill.setColorAt(0, QColor(110, 170, 245));
        fill.setColorAt(0.48, QColor(42, 100, 206));
        fill.setColorAt(1, QColor(20, 58, 150));
        p.setBrush(fill);
        p.setPen(QPen(QColor(14, 44, 116), size <= 16 ? 4.5 : 3));
        p.drawRoundedRect(badge, 13, 13);

        QPainterPath gloss;
        gloss.addRoundedRect(QRectF(6, 5, 52, 26), 10, 10);
        QLinearGradient shine(0, 5, 0, 31);
        shine.setColorAt(0, QColor(255, 255, 255, 150));
        shine.setColorAt(1, QColor(255, 255, 255, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawPath(gloss);

        QPainterPath v;
        v.moveTo(11, 12);
        v.lineTo(24, 12);
        v.lineTo(32, 38);
        v.lineTo(40, 12);
        v.lineTo(53, 12);
        v.lineTo(38.5, 53);
        v.lineTo(25.5, 53);
        v.closeSubpath();
        p.setBrush(QColor(0, 20, 70, 110));
        p.drawPath(v.translated(1.5, 2));
        p.setBrush(Qt::white);
        p.drawPath(v);
    });
}

QImage minimizeGlyph(int scale)
{
    return drawSmall(12, 12, scale, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2, 8, 7, 2.2));
    });
}

QImage closeGlyph(int scale)
{
    return drawSmall(12, 12, scale, [](QPainter &p) {
        p.setPen(QPen(Qt::white, 2.1, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(QPointF(3, 3), QPointF(9, 9));
        p.drawLine(QPointF(9, 3), QPointF(3, 9));
    });
}

QImage radioIndicator(bool checked, bool hover, int scale)
{
    return drawSmall(13, 13, scale, [=](QPainter &p) {
        const QPointF c(6.5, 6.5);
        QLinearGradient well(1, 1, 12, 12);
        well.setColorAt(0, QColor(204, 218, 238));
        well.setColorAt(0.6, QColor(246, 249, 254));
        well.setColorAt(1, Qt::white);
        p.setBrush(well);
        p.setPen(QPen(QColor(36, 84, 156), 1));
        p.drawEllipse(c, 5.8, 5.8);
        if (hover) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(98, 164, 255, 210), 1.4));
            p.drawEllipse(c, 4.4, 4.4);
        }
        if (checked) {
            QRadialGradient dot(c - QPointF(1, 1), 3.6);
            dot.setColorAt(0, QColor(170, 220, 255));
            dot.setColorAt(0.45, QColor(40, 116, 226));
            dot.setColorAt(1, QColor(14, 60, 150));
            p.setPen(Qt::NoPen);
            p.setBrush(dot);
            p.drawEllipse(c, 2.9, 2.9);
        }
    });
}

QImage arrowGlyph(int degrees, int scale)
{
    return drawSmall(9, 9, scale, [=](QPainter &p) {
        p.translate(4.5, 4.5);
        p.rotate(degrees);
        QPolygonF triangle;
        triangle << QPointF(-3.6, 1.9) << QPointF(3.6, 1.9) << QPointF(0, -1.9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(26, 60, 118));
        p.drawPolygon(triangle);
    });
}

} // namespace artwork
