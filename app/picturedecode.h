#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>

// A picture decoded on a worker thread while the window builds the rest of
// itself: a JPEG the size of a page costs as much as many widgets. take()
// waits for it. On a screen of more than 1x the "@2x" file is read, the one
// QIcon would choose, so the picture is never upscaled.
class PictureDecode final
{
public:
    // Dropped untaken, it waits for a decode under way, as std::async's
    // future does.
    PictureDecode(const QString &path, qreal devicePixelRatio);
    Q_DISABLE_COPY_MOVE(PictureDecode)

    // The decoded picture at the ratio asked for; a null pixmap if the file
    // could not be read. Only once.
    QPixmap take();

private:
    std::future<QImage> m_image;
};
