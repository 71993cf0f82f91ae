#include "output/CuttingPicture.h"

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "platform/Units.h"
#include "platform/WholeFile.h"
#include "render/HoleTag.h"
#include "render/TagShapes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>

namespace veltmoor {

namespace {

constexpr int kDotsPerMetre = dotsPerMetre(units::kTagDotsPerInch);

// The dots inside the hole's ring, found by filling from the ring's centre within it.
std::vector<Span> holeInside(const HoleSettings& hole, int W, int H) {
    if (hole.noHole) {
        return {};
    }
    Bitmap ring(W, H, clWhite);
    Canvas canvas(ring);
    canvas.pen().color = clBlack;
    HoleTag(canvas, W, H, hole);
    const Rect box = HoleRect(W, H, hole);
    const Point centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    if (!ring.contains(centre.x, centre.y) || ring.pixelColor(centre.x, centre.y) == clBlack) {
        return {};
    }
    return floodRegion(ring, centre, clBlack, FillMode::Border);
}

// Copies the colours of a W x H tag placed at (left, top) into the picture with the tag's
// opacity; what lies beyond the picture is left out.
void copyWithOpacity(const QImage& colours, const std::vector<std::uint8_t>& opacity, int left,
                     int top, int W, int H, QImage& into) {
    for (int y = 0; y < H; ++y) {
        const int sheetY = top + y;
        if (sheetY < 0 || sheetY >= into.height()) {
            continue;
        }
        const auto* source = reinterpret_cast<const QRgb*>(colours.constScanLine(sheetY));
        auto* target = reinterpret_cast<QRgb*>(into.scanLine(sheetY));
        for (int x = 0; x < W; ++x) {
            const int sheetX = left + x;
            const std::uint8_t alpha = opacity[static_cast<std::size_t>(y) * W + x];
            if (sheetX >= 0 && sheetX < into.width() && alpha != 0) {
                target[sheetX] = qRgba(qRed(source[sheetX]), qGreen(source[sheetX]),
                                       qBlue(source[sheetX]), alpha);
            }
        }
    }
}

QImage transparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    return image;
}

} // namespace

std::vector<std::uint8_t> tagOpacity(int shapeIndex, const HoleSettings& hole, int W, int H) {
    std::vector<std::uint8_t> opacity(static_cast<std::size_t>(std::max(W, 0)) *
                                      static_cast<std::size_t>(std::max(H, 0)));
    const Bitmap mask = tagShapeMask(shapeIndex, W, H);
    const Pixel outside = pixelFromColor(clBtnFace);
    for (int y = 0; y < mask.height(); ++y) {
        const Pixel* row = mask.row(y);
        for (int x = 0; x < mask.width(); ++x) {
            opacity[static_cast<std::size_t>(y) * W + x] = row[x] == outside ? 0 : 255;
        }
    }
    for (const Span& span : holeInside(hole, W, H)) {
        std::fill(opacity.begin() + static_cast<std::ptrdiff_t>(span.y) * W + span.left,
                  opacity.begin() + static_cast<std::ptrdiff_t>(span.y) * W + span.right, 0);
    }
    return opacity;
}

QImage transparentTag(const Bitmap& tag, int shapeIndex, const HoleSettings& hole) {
    QImage image = transparentCanvas(tag.width(), tag.height());
    copyWithOpacity(tag.toQImage(), tagOpacity(shapeIndex, hole, tag.width(), tag.height()), 0, 0,
                    tag.width(), tag.height(), image);
    return image;
}

QImage transparentSheet(const Bitmap& sheet, std::span<const TagPlacement> placements,
                        int shapeIndex, const HoleSettings& hole, int W, int H) {
    QImage image = transparentCanvas(sheet.width(), sheet.height());
    const QImage colours = sheet.toQImage();
    const std::vector<std::uint8_t> opacity = tagOpacity(shapeIndex, hole, W, H);
    for (const TagPlacement& placement : placements) {
        copyWithOpacity(colours, opacity, placement.x, placement.y, W, H, image);
    }
    return image;
}

void writeTransparentPng(const QString& path, const QImage& picture) {
    const auto fail = [&](const QString& reason) {
        throw UserError(QStringLiteral("Cannot save \"%1\": %2.").arg(path, reason));
    };
    if (QFileInfo(path).suffix().toLower() != QLatin1String("png")) {
        fail(QStringLiteral("a picture with a transparent outside must be a .png file"));
    }
    if (picture.isNull()) {
        fail(QStringLiteral("the picture has no pixels"));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        fail(writer.errorString().toLower());
    }
    buffer.close();
    writeWholeFile(path, bytes);
}

} // namespace veltmoor
