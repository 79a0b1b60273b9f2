// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconfiles.h"

#include "window/appicon.h"

#include <QBuffer>
#include <QDataStream>

namespace packaging {

namespace {

QByteArray pngData(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

} // namespace

QByteArray icoFile(const QList<QImage> &images)
{
    constexpr quint32 headerSize = 6;
    constexpr quint32 entrySize = 16;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());

    QList<QByteArray> pngs;
    for (const QImage &image : images)
        pngs.append(pngData(image));
    quint32 offset = headerSize + entrySize * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0: the field has one byte.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return file;
}

QList<QImage> iconImages(const QList<int> &sizes)
{
    QList<QImage> images;
    for (int size : sizes)
        images.append(window::drawAppIcon(size));
    return images;
}

} // namespace packaging
