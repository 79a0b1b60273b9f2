// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QPainter>
#include <QPainterPath>

namespace window {

namespace {

const QColor sheetGrey(0xc0, 0xc0, 0xc0);
const QColor outlineGrey(0x80, 0x80, 0x80);
const QColor lineGrey(0x60, 0x60, 0x60);
const QColor lensGrey(0xe4, 0xe4, 0xe4);

// The drawing on a 16 x 16 grid; the painter scales it.
void drawSheet(QPainter &painter)
{
    QPainterPath sheet;
    sheet.moveTo(1.5, 0.5);
    sheet.lineTo(8.5, 0.5);
    sheet.lineTo(11.5, 3.5);
    sheet.lineTo(11.5, 14.5);
    sheet.lineTo(1.5, 14.5);
    sheet.closeSubpath();
    painter.setPen(QPen(outlineGrey, 1.0));
    painter.setBrush(sheetGrey);
    painter.drawPath(sheet);
    painter.drawLine(QPointF(8.5, 0.5), QPointF(8.5, 3.5));
    painter.drawLine(QPointF(8.5, 3.5), QPointF(11.5, 3.5));
    painter.setPen(QPen(lineGrey, 1.0));
    for (double y = 3.5; y < 13; y += 2)
        painter.drawLine(QPointF(3, y), QPointF(y < 4 ? 7 : 10, y));
}

void drawMagnifier(QPainter &painter)
{
    painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(11.6, 11.6), QPointF(14.6, 14.6));
    painter.setPen(QPen(outlineGrey, 1.3));
    painter.setBrush(lensGrey);
    painter.drawEllipse(QPointF(9.0, 9.0), 3.4, 3.4);
}

} // namespace

QImage drawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    painter.scale(size / 16.0, size / 16.0);
    drawSheet(painter);
    drawMagnifier(painter);
    return image;
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawAppIcon(size)));
    return icon;
}

} // namespace window
