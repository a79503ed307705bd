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

#include <cstdlib>

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

// The page expects a picture of about 200 KB; take the quality that comes
// nearest.
QByteArray aboutJpeg(const QImage &image)
{
    constexpr qsizetype Target = 200 * 1024;
    QByteArray best;
    for (int quality = 60; quality <= 98; ++quality) {
        QByteArray data = encoded(image, "jpeg", quality);
        if (best.isEmpty() || std::abs(data.size() - Target) < std::abs(best.size() - Target))
            best = std::move(data);
    }
    return best;
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
    const QList<std::pair<QString, QImage>> pngs = {
        {u"football.png"_s, football()},
        {u"puck.png"_s, puck()},
        {u"info.png"_s, infoSign()},
        {u"flag.png"_s, redFlag()},
        {u"fonbet.png"_s, bookmakerBadge(QColor(226, 62, 52), QColor(150, 14, 20), u"F"_s)},
        {u"marathon.png"_s, bookmakerBadge(QColor(40, 160, 92), QColor(10, 92, 48), u"M"_s)},
        {u"onexbet.png"_s, bookmakerBadge(QColor(70, 128, 226), QColor(20, 50, 136), u"1X"_s)},
        {u"icon16.png"_s, applicationIcon(16)},
        {u"icon24.png"_s, applicationIcon(24)},
        {u"icon32.png"_s, applicationIcon(32)},
        {u"icon64.png"_s, applicationIcon(64)},
        // The desktop's icon theme sizes; not compiled into the program.
        {u"icon48.png"_s, applicationIcon(48)},
        {u"icon128.png"_s, applicationIcon(128)},
        {u"icon256.png"_s, applicationIcon(256)},
        {u"caption-minimize.png"_s, minimizeGlyph()},
        {u"caption-close.png"_s, closeGlyph()},
        {u"radio.png"_s, radioIndicator(false, false)},
        {u"radio-hover.png"_s, radioIndicator(false, true)},
        {u"radio-checked.png"_s, radioIndicator(true, false)},
        {u"radio-checked-hover.png"_s, radioIndicator(true, true)},
        {u"arrow-up.png"_s, arrowGlyph(0)},
        {u"arrow-right.png"_s, arrowGlyph(90)},
        {u"arrow-down.png"_s, arrowGlyph(180)},
        {u"arrow-left.png"_s, arrowGlyph(270)},
    };
    bool ok = true;
    for (const auto &[name, image] : pngs)
        ok = writeFile(out.filePath(name), encoded(image, "png")) && ok;
    ok = writeFile(out.filePath(u"about.jpg"_s), aboutJpeg(aboutPicture())) && ok;
    // Explorer's and the taskbar's icon, through the Windows build's .rc.
    QList<QImage> iconSizes;
    for (int size : {16, 24, 32, 48, 64, 256})
        iconSizes.append(applicationIcon(size));
    ok = writeFile(out.filePath(u"vorlan.ico"_s), icoFile(iconSizes)) && ok;
    return ok ? 0 : 1;
}
