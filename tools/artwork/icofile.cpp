#include "icofile.h"

#include <QBuffer>
#include <QtEndian>

namespace artwork {

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray icoFile(const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "png");
        pngs.append(png);
    }

    constexpr quint32 HeaderSize = 6;
    constexpr quint32 EntrySize = 16;
    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon, not a cursor
    put16(out, quint16(images.size()));
    quint32 offset = HeaderSize + EntrySize * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(pngs[i].size()));
        put32(out, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        out += png;
    return out;
}

} // namespace artwork
