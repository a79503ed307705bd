#include "aboutpicture.h"

#include "smallpictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace artwork {

namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr int Horizon = 352; // where the stands meet the pitch

// The corner under the version label and the link, kept free of stars, in
// plan units (the picture is drawn stretched to the page's 683 x 486). The
// start button's place, lower right, has only the pitch's faint stripes.
const QRectF labelCorner(660, 0, 140, 72);

// A cheap soft blur: down and up again with smooth scaling.
QImage softened(const QImage &image, int factor)
{
    return image.scaled(image.size() / factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage blankLayer()
{
    QImage layer(Width, Height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

void paintSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0, QColor(3, 9, 28));
    sky.setColorAt(0.55, QColor(8, 28, 72));
    sky.setColorAt(1, QColor(24, 66, 128));
    p.fillRect(QRectF(0, 0, Width, Horizon + 1), sky);

    QRadialGradient haze(Width / 2.0, Horizon, 420, Width / 2.0, Horizon);
    haze.setColorAt(0, QColor(80, 150, 230, 110));
    haze.setColorAt(1, QColor(80, 150, 230, 0));
    p.fillRect(QRectF(0, 0, Width, Horizon + 1), haze);

    QRandomGenerator random(20240611);
    for (int i = 0; i < 170; ++i) {
        const QPointF at(random.bounded(Width), random.bounded(Horizon - 110));
        if (labelCorner.adjusted(-20, 0, 0, 20).contains(at))
            continue;
        const int alpha = 40 + random.bounded(150);
        const qreal size = 0.4 + random.bounded(0.9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 225, 255, alpha));
        p.drawEllipse(at, size, size);
    }
}

// Percent lines of a draw, faint across the sky.
void paintChart(QPainter &p)
{
    const QRectF area(400, 84, 260, 140);
    p.setPen(QPen(QColor(130, 180, 255, 26), 1));
    for (int i = 0; i <= 5; ++i) {
        const qreal y = area.top() + area.height() * i / 5;
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (int i = 0; i <= 8; ++i) {
        const qreal x = area.left() + area.width() * i / 8;
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    const QList<QList<qreal>> series = {
        {0.42, 0.48, 0.45, 0.55, 0.52, 0.61, 0.58, 0.66, 0.71},
        {0.28, 0.25, 0.31, 0.27, 0.30, 0.24, 0.27, 0.22, 0.20},
        {0.30, 0.27, 0.24, 0.18, 0.22, 0.15, 0.19, 0.12, 0.09},
    };
    const QList<QColor> colours = {QColor(110, 210, 255, 120), QColor(235, 240, 255, 90),
                                   QColor(255, 190, 90, 100)};
    for (int s = 0; s < series.size(); ++s) {
        QPainterPath line;
        for (int i = 0; i < series[s].size(); ++i) {
            const QPointF pt(area.left() + area.width() * i / 8,
                             area.bottom() - area.height() * series[s][i] / 0.8);
            i == 0 ? line.moveTo(pt) : line.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colours[s], 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(line);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[s]);
        for (int i = 0; i < line.elementCount(); ++i)
            p.drawEllipse(QPointF(line.elementAt(i).x, line.elementAt(i).y), 2.2, 2.2);
    }
}

QPointF lampCentre(int tower)
{
    return tower == 0 ? QPointF(64, 150) : QPointF(736, 150);
}

void paintTowers(QPainter &p)
{
    for (int tower = 0; tower < 2; ++tower) {
        const QPointF lamp = lampCentre(tower);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(6, 16, 38));
        QPolygonF mast;
        mast << lamp + QPointF(-4, 14) << lamp + QPointF(4, 14) << QPointF(lamp.x() + 9, Horizon)
             << QPointF(lamp.x() - 9, Horizon);
        p.drawPolygon(mast);
        p.drawRect(QRectF(lamp.x() - 30, lamp.y() - 16, 60, 32));
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 5; ++col) {
                const QPointF bulb(lamp.x() - 22 + col * 11, lamp.y() - 9 + row * 9);
                QRadialGradient glow(bulb, 5);
                glow.setColorAt(0, QColor(255, 255, 255));
                glow.setColorAt(0.5, QColor(210, 235, 255, 230));
                glow.setColorAt(1, QColor(160, 210, 255, 0));
                p.setBrush(glow);
                p.drawEllipse(bulb, 5, 5);
            }
        }
    }
}

void paintLight(QPainter &p)
{
    QImage light = blankLayer();
    {
        QPainter l(&light);
        l.setRenderHint(QPainter::Antialiasing);
        l.setPen(Qt::NoPen);
        for (int tower = 0; tower < 2; ++tower) {
            const QPointF lamp = lampCentre(tower);
            QRadialGradient glow(lamp, 120);
            glow.setColorAt(0, QColor(120, 170, 230, 120));
            glow.setColorAt(0.35, QColor(60, 110, 190, 45));
            glow.setColorAt(1, QColor(0, 0, 0, 0));
            l.setBrush(glow);
            l.drawEllipse(lamp, 120, 120);

            // A wide, faint beam down onto the pitch.
            const qreal side = tower == 0 ? 1 : -1;
            QPolygonF beam;
            beam << lamp + QPointF(-20, 10) << lamp + QPointF(20, 10)
                 << QPointF(Width / 2.0 + side * 260, Height)
                 << QPointF(Width / 2.0 - side * 40, Height);
            QLinearGradient fade(lamp, QPointF(lamp.x(), Height));
            fade.setColorAt(0, QColor(90, 140, 210, 40));
            fade.setColorAt(1, QColor(90, 140, 210, 0));
            l.setBrush(fade);
            l.drawPolygon(beam);
        }
    }
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(0, 0, softened(light, 8));
    p.restore();
}

void paintStands(QPainter &p)
{
    QPainterPath stands;
    stands.moveTo(0, 262);
    stands.cubicTo(200, 238, 600, 238, Width, 262);
    stands.lineTo(Width, Horizon);
    stands.lineTo(0, Horizon);
    stands.closeSubpath();
    QLinearGradient wall(0, 240, 0, Horizon);
    wall.setColorAt(0, QColor(10, 26, 60));
    wall.setColorAt(1, QColor(16, 40, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawPath(stands);

    // The crowd: rows of faint dots, brighter towards the pitch.
    QRandomGenerator random(77);
    p.save();
    p.setClipPath(stands);
    for (qreal y = 262; y < Horizon - 4; y += 5) {
        const qreal t = (y - 262) / (Horizon - 262);
        for (qreal x = 2; x < Width; x += 4 + random.bounded(3)) {
            const int v = 50 + int(60 * t) + random.bounded(50);
            p.setBrush(QColor(v / 2, v * 3 / 4, v + 40, 150));
            p.drawEllipse(QPointF(x, y + random.bounded(2.0)), 1.2, 1.1);
        }
        p.setBrush(QColor(4, 14, 36, 120));
        p.drawRect(QRectF(0, y + 3.2, Width, 0.8));
    }
    // A few camera flashes.
    for (int i = 0; i < 14; ++i) {
        const QPointF at(20 + random.bounded(Width - 40), 268 + random.bounded(70));
        QRadialGradient flash(at, 4);
        flash.setColorAt(0, QColor(255, 255, 255, 230));
        flash.setColorAt(1, QColor(200, 225, 255, 0));
        p.setBrush(flash);
        p.drawEllipse(at, 4, 4);
    }
    p.restore();

    // The roof's edge with its row of lamps.
    QPainterPath roof;
    roof.moveTo(0, 262);
    roof.cubicTo(200, 238, 600, 238, Width, 262);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 170, 240, 160), 2));
    p.drawPath(roof);
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= 60; ++i) {
        const QPointF at = roof.pointAtPercent(i / 60.0);
        p.setBrush(QColor(220, 238, 255, 200));
        p.drawEllipse(at, 1.3, 1.3);
    }

    // Advertising boards along the pitch.
    QLinearGradient boards(0, Horizon - 10, 0, Horizon);
    boards.setColorAt(0, QColor(40, 110, 200));
    boards.setColorAt(1, QColor(18, 60, 130));
    p.fillRect(QRectF(0, Horizon - 9, Width, 9), boards);
}

// Maps a point of the pitch (u across from -1 to 1, v from 0 at the far
// touch line to 1 at the near edge of the picture) to the picture.
QPointF onPitch(qreal u, qreal v)
{
    const qreal y = Horizon + v * (Height - Horizon);
    const qreal halfWidth = 330 + v * 420;
    return QPointF(Width / 2.0 + u * halfWidth, y);
}

void paintPitch(QPainter &p)
{
    QLinearGradient grass(0, Horizon, 0, Height);
    grass.setColorAt(0, QColor(16, 78, 92));
    grass.setColorAt(1, QColor(8, 52, 70));
    p.fillRect(QRectF(0, Horizon, Width, Height - Horizon), grass);

    // Mowing stripes, converging to the far side.
    p.setPen(Qt::NoPen);
    for (int i = -12; i < 12; i += 2) {
        QPolygonF stripe;
        stripe << onPitch(i / 12.0 * 1.6, 0) << onPitch((i + 1) / 12.0 * 1.6, 0)
               << onPitch((i + 1) / 12.0 * 1.6, 1) << onPitch(i / 12.0 * 1.6, 1);
        p.setBrush(QColor(255, 255, 255, 9));
        p.drawPolygon(stripe);
    }

    // Markings: the far touch line, the halfway line and the centre circle.
    const QColor chalk(215, 235, 255, 170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(chalk, 2));
    p.drawLine(onPitch(-0.92, 0.04), onPitch(0.92, 0.04));
    p.drawLine(onPitch(-0.92, 0.04), onPitch(-1.0, 1.0));
    p.setPen(QPen(chalk, 2.4));
    p.drawLine(onPitch(-0.28, 0.04), onPitch(-0.28, 1.0));
    const QPointF spot = onPitch(-0.28, 0.42);
    p.drawEllipse(spot, 120, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(chalk);
    p.drawEllipse(spot, 3.5, 1.6);
}

void paintVignette(QPainter &p)
{
    QRadialGradient shade(Width / 2.0, Height / 2.0, 560);
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 4, 16, 150));
    p.fillRect(QRectF(0, 0, Width, Height), shade);
}

void paintWordmark(QPainter &p)
{
    QFont font(u"Liberation Sans"_s);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(132);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -3);
    QPainterPath name;
    name.addText(118, 186, font, u"Vorlan"_s);

    // Glow under the letters.
    QImage glow = blankLayer();
    {
        QPainter g(&glow);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(QColor(70, 150, 255, 200), 10));
        g.setBrush(QColor(70, 150, 255, 200));
        g.drawPath(name);
    }
    p.drawImage(0, 0, softened(glow, 12));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 10, 40, 150));
    p.drawPath(name.translated(4, 5));
    QLinearGradient fill(0, 84, 0, 189);
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(0.55, QColor(214, 234, 255));
    fill.setColorAt(1, QColor(140, 196, 255));
    p.setBrush(fill);
    p.setPen(QPen(QColor(20, 70, 160), 1.4));
    p.drawPath(name);

    // The line under the name, between a ball and a puck.
    QFont tagFont(u"Liberation Sans"_s);
    tagFont.setBold(true);
    tagFont.setPixelSize(16);
    tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 3.5);
    const QString tag = u"FOOTBALL & HOCKEY POOL ANALYSIS"_s;
    const qreal tagWidth = QFontMetricsF(tagFont).horizontalAdvance(tag);
    const qreal tagLeft = name.boundingRect().center().x() - tagWidth / 2 + 6;
    const qreal baseline = 220;
    p.setFont(tagFont);
    p.setPen(QColor(160, 205, 255));
    p.drawText(QPointF(tagLeft, baseline), tag);

    const qreal icon = 22;
    p.save();
    p.translate(tagLeft - icon - 10, baseline - icon + 5);
    p.scale(icon / 16, icon / 16);
    paintFootball(p);
    p.restore();
    p.save();
    p.translate(tagLeft + tagWidth + 6, baseline - icon + 5);
    p.scale(icon / 16, icon / 16);
    paintPuck(p);
    p.restore();
}

// Bars of a match's 1 / X / 2 percentages on a glass panel.
void paintPanel(QPainter &p)
{
    const QRectF panel(40, 418, 250, 140);
    p.setPen(QPen(QColor(150, 200, 255, 90), 1));
    QLinearGradient glass(0, panel.top(), 0, panel.bottom());
    glass.setColorAt(0, QColor(30, 70, 140, 120));
    glass.setColorAt(1, QColor(6, 22, 60, 150));
    p.setBrush(glass);
    p.drawRoundedRect(panel, 8, 8);

    QFont font(u"Liberation Sans"_s);
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    const QList<QString> marks = {u"1"_s, u"X"_s, u"2"_s};
    const QList<qreal> pool = {0.47, 0.29, 0.24};
    const QList<qreal> book = {0.52, 0.27, 0.21};
    for (int i = 0; i < 3; ++i) {
        const qreal x = panel.left() + 38 + i * 72;
        const qreal base = panel.bottom() - 26;
        const qreal scale = 150;
        QLinearGradient blue(0, base - scale * pool[i], 0, base);
        blue.setColorAt(0, QColor(120, 200, 255, 230));
        blue.setColorAt(1, QColor(30, 110, 220, 230));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(QRectF(x, base - scale * pool[i], 18, scale * pool[i]));
        QLinearGradient rose(0, base - scale * book[i], 0, base);
        rose.setColorAt(0, QColor(255, 170, 210, 220));
        rose.setColorAt(1, QColor(220, 80, 150, 220));
        p.setBrush(rose);
        p.drawRect(QRectF(x + 21, base - scale * book[i], 18, scale * book[i]));
        p.setPen(QColor(210, 230, 255));
        p.drawText(QRectF(x, base + 4, 39, 18), Qt::AlignCenter, marks[i]);
    }
    p.setPen(QPen(QColor(170, 210, 255, 120), 1));
    p.drawLine(QPointF(panel.left() + 20, panel.bottom() - 25.5),
               QPointF(panel.right() - 20, panel.bottom() - 25.5));
}

// Fine grain keeps the gradients from banding.
void addGrain(QImage &image)
{
    QRandomGenerator random(4242);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = random.bounded(7) - 3;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
}

} // namespace

QImage aboutPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(qreal(size.width()) / Width, qreal(size.height()) / Height);
        paintSky(p);
        paintChart(p);
        paintStands(p);
        paintTowers(p);
        paintPitch(p);
        paintLight(p);
        paintVignette(p);
        paintWordmark(p);
        paintPanel(p);
    }
    addGrain(image);
    return image;
}

} // namespace artwork
