// Draws the program's pictures and icon into a folder:
//     vorlan-artwork resources/pictures
// Its output is committed; the build doesn't run it.

#include "aboutpicture.h"
#include "icofile.h"
#include "smallpictures.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        QTextStream(stderr) << "cannot write " << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image))
        QTextStream(stderr) << "cannot encode " << format << ": " << writer.errorString() << '\n';
    return data;
}

// Baseline JPEG (no progressive frame), as the page has always shown.
QByteArray aboutJpeg(const QImage &image)
{
    return encoded(image, "jpeg", 90);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: vorlan-artwork <pictures folder>\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        QTextStream(stderr) << "cannot create " << out.path() << '\n';
        return 1;
    }

    using namespace artwork;
    // Each picture at 1x, and at 2x as Qt's "@2x" variant: QIcon (tab images,
    // the grid's header flag), the style sheet's url() glyphs and the window's
    // own loading pick it by name on a 2x screen.
    using Drawing = std::function<QImage(int scale)>;
    const QList<std::pair<QString, Drawing>> pictures = {
        {u"football"_s, football},
        {u"puck"_s, puck},
        {u"info"_s, infoSign},
        {u"flag"_s, redFlag},
        {u"fonbet"_s, [](int scale) {
             return bookmakerBadge(QColor(226, 62, 52), QColor(150, 14, 20), u"F"_s, scale);
         }},
        {u"marathon"_s, [](int scale) {
             return bookmakerBadge(QColor(40, 160, 92), QColor(10, 92, 48), u"M"_s, scale);
         }},
        {u"onexbet"_s, [](int scale) {
             return bookmakerBadge(QColor(70, 128, 226), QColor(20, 50, 136), u"1X"_s, scale);
         }},
        {u"caption-minimize"_s, minimizeGlyph},
        {u"caption-close"_s, closeGlyph},
        {u"radio"_s, [](int scale) { return radioIndicator(false, false, scale); }},
        {u"radio-hover"_s, [](int scale) { return radioIndicator(false, true, scale); }},
        {u"radio-checked"_s, [](int scale) { return radioIndicator(true, false, scale); }},
        {u"radio-checked-hover"_s, [](int scale) { return radioIndicator(true, true, scale); }},
        {u"arrow-up"_s, [](int scale) { return arrowGlyph(0, scale); }},
        {u"arrow-right"_s, [](int scale) { return arrowGlyph(90, scale); }},
        {u"arrow-down"_s, [](int scale) { return arrowGlyph(180, scale); }},
        {u"arrow-left"_s, [](int scale) { return arrowGlyph(270, scale); }},
    };
    bool ok = true;
    for (const auto &[name, draw] : pictures) {
        ok = writeFile(out.filePath(name + u".png"_s), encoded(draw(1), "png")) && ok;
        ok = writeFile(out.filePath(name + u"@2x.png"_s), encoded(draw(2), "png")) && ok;
    }
    // The window icon's sizes (16 to 64 compiled in), and the desktop's icon
    // theme sizes up to 256.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = writeFile(out.filePath(u"icon%1.png"_s.arg(size)), encoded(applicationIcon(size), "png")) && ok;

    // The About picture at the size the page shows it, so start-up decodes
    // no more than it shows, and twice that for a 2x screen.
    const QSize page(683, 486);
    ok = writeFile(out.filePath(u"about.jpg"_s), aboutJpeg(aboutPicture(page))) && ok;
    ok = writeFile(out.filePath(u"about@2x.jpg"_s), aboutJpeg(aboutPicture(page * 2))) && ok;

    // Explorer's and the taskbar's icon, through the Windows build's .rc.
    QList<QImage> iconSizes;
    for (int size : {16, 24, 32, 48, 64, 256})
        iconSizes.append(applicationIcon(size));
    ok = writeFile(out.filePath(u"vorlan.ico"_s), icoFile(iconSizes)) && ok;
    return ok ? 0 : 1;
}
