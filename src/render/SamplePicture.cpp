#include "render/SamplePicture.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace veltmoor {

namespace {

void paintBackground(QPainter& painter) {
    QRadialGradient glow(QPointF(175, 140), 260);
    glow.setColorAt(0.0, QColor(255, 236, 179));
    glow.setColorAt(0.6, QColor(244, 162, 97));
    glow.setColorAt(1.0, QColor(178, 74, 62));
    painter.fillRect(QRect(0, 0, kSamplePictureSize, kSamplePictureSize), glow);

    // Soft confetti, placed by a fixed rule so the picture never changes between runs.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const int x = (i * 97 + 13) % kSamplePictureSize;
        const int y = (i * 61 + 29) % kSamplePictureSize;
        const QColor colors[] = {QColor(255, 255, 255, 150), QColor(42, 157, 143, 170),
                                 QColor(233, 196, 106, 190)};
        painter.setBrush(colors[i % 3]);
        painter.drawEllipse(QPointF(x, y), 2 + i % 4, 2 + i % 4);
    }
}

void paintGift(QPainter& painter) {
    const QRectF box(85, 160, 180, 140);
    const QRectF lid(72, 128, 206, 40);

    QLinearGradient boxShade(box.topLeft(), box.topRight());
    boxShade.setColorAt(0.0, QColor(38, 70, 83));
    boxShade.setColorAt(1.0, QColor(42, 157, 143));
    painter.setPen(QPen(QColor(25, 45, 55), 2));
    painter.setBrush(boxShade);
    painter.drawRoundedRect(box, 6, 6);
    painter.drawRoundedRect(lid, 6, 6);

    const QColor ribbon(231, 111, 81);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ribbon);
    painter.drawRect(QRectF(160, 128, 30, 172));
    painter.drawRect(QRectF(72, 140, 206, 16));

    // The bow: two loops and a knot.
    QPainterPath bow;
    bow.moveTo(175, 128);
    bow.cubicTo(120, 70, 95, 120, 175, 128);
    bow.moveTo(175, 128);
    bow.cubicTo(230, 70, 255, 120, 175, 128);
    painter.setPen(QPen(QColor(180, 70, 50), 3));
    painter.setBrush(ribbon);
    painter.drawPath(bow);
    painter.drawEllipse(QPointF(175, 127), 11, 9);

    // A little tag hanging from the bow, the program's own subject.
    painter.setPen(QPen(QColor(90, 60, 40), 2));
    painter.drawLine(QPointF(182, 132), QPointF(236, 196));
    QPainterPath tag;
    tag.moveTo(226, 196);
    tag.lineTo(262, 190);
    tag.lineTo(272, 232);
    tag.lineTo(236, 238);
    tag.closeSubpath();
    painter.setBrush(QColor(255, 250, 235));
    painter.drawPath(tag);
    painter.setBrush(QColor(178, 74, 62));
    painter.drawEllipse(QPointF(238, 201), 3, 3);
}

Bitmap makeSamplePicture() {
    QImage image(kSamplePictureSize, kSamplePictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintBackground(painter);
    paintGift(painter);
    painter.end();
    return Bitmap::fromQImage(image);
}

} // namespace

const Bitmap& SamplePicture() {
    static const Bitmap picture = makeSamplePicture();
    return picture;
}

} // namespace veltmoor
