#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace artwork {

// A Windows icon file holding each image as a PNG entry (read by Windows
// Vista and later, and by rc.exe). Images are square, 1 to 256 pixels.
QByteArray icoFile(const QList<QImage> &images);

} // namespace artwork
