#include "app/picturedecode.h"

#include <QFile>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

// The file read for a ratio: "name@2x.ext" above 1x where there is one.
QString fileFor(const QString &path, qreal devicePixelRatio)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (devicePixelRatio <= 1.0 || dot <= path.lastIndexOf(u'/'))
        return path;
    const QString sharp = path.first(dot) + u"@2x"_s + path.sliced(dot);
    return QFile::exists(sharp) ? sharp : path;
}

} // namespace

PictureDecode::PictureDecode(const QString &path, qreal devicePixelRatio)
{
    const QString file = fileFor(path, devicePixelRatio);
    const qreal ratio = file == path ? 1.0 : 2.0;
    // QImage and QImageReader may be used off the GUI thread; QPixmap may not,
    // so the pixmap is made in take(). Where no thread can be started, the
    // picture is decoded in take() instead.
    m_image = std::async(std::launch::async | std::launch::deferred, [file, ratio] {
        QImage image = QImageReader(file).read();
        image.setDevicePixelRatio(ratio);
        return image;
    });
}

QPixmap PictureDecode::take()
{
    return m_image.valid() ? QPixmap::fromImage(m_image.get()) : QPixmap();
}
