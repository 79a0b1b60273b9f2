// SPDX-License-Identifier: GPL-3.0-or-later
// The icon files installed with the program: the hand-written scalable icon
// shows what the program draws, and the Windows icon file holds each drawn size.
#include "packaging/iconfiles.h"
#include "window/appicon.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    void scalableIconMatchesTheDrawing_data();
    void scalableIconMatchesTheDrawing();
    void icoFileHoldsEachDrawnSize();
};

void TestAppIcon::scalableIconMatchesTheDrawing_data()
{
    // From 32 pixels up both are antialiased, so they agree but for stray edge pixels.
    QTest::addColumn<int>("size");
    for (int size : {32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void TestAppIcon::scalableIconMatchesTheDrawing()
{
    QFETCH(int, size);
    QSvgRenderer renderer(QStringLiteral(SCALABLE_ICON));
    QVERIFY(renderer.isValid());
    QImage svg(size, size, QImage::Format_ARGB32_Premultiplied);
    svg.fill(Qt::transparent);
    QPainter painter(&svg);
    renderer.render(&painter);
    const QImage drawn =
        window::drawAppIcon(size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(svg.pixel(0, 0), drawn.pixel(0, 0)); // both transparent around the sheet
    QCOMPARE(qAlpha(svg.pixel(0, 0)), 0);
    int differing = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (channelDifference(svg.pixel(x, y), drawn.pixel(x, y)) > 32)
                ++differing;
        }
    }
    QVERIFY2(differing * 1000 < size * size, qPrintable(QString::number(differing)));
}

void TestAppIcon::icoFileHoldsEachDrawnSize()
{
    const QList<int> sizes{16, 24, 32, 48, 64, 256};
    QByteArray ico = packaging::icoFile(packaging::iconImages(sizes));
    QBuffer buffer(&ico);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                 window::drawAppIcon(sizes[i]).convertToFormat(QImage::Format_ARGB32));
    }
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
