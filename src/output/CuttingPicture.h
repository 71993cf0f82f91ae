#pragma once

#include "output/SheetLayout.h"
#include "platform/Bitmap.h"
#include "render/TagSettings.h"

#include <QImage>
#include <QString>

#include <span>

namespace veltmoor {

// For cutting machines whose own program traces the cut line from a picture: the tag or sheet
// with every dot outside the tags' cut lines (and inside their holes) fully transparent and
// every other dot fully opaque.

// Opaque (255) on the tag's cut line and inside it, 0 outside it and inside the hole's ring;
// one byte a dot, row by row.
std::vector<std::uint8_t> tagOpacity(int shapeIndex, const HoleSettings& hole, int W, int H);

QImage transparentTag(const Bitmap& tag, int shapeIndex, const HoleSettings& hole);

// The composed sheet, transparent everywhere but on the placed tags.
QImage transparentSheet(const Bitmap& sheet, std::span<const TagPlacement> placements,
                        int shapeIndex, const HoleSettings& hole, int W, int H);

// Writes the picture as PNG with its resolution, 200 dots per inch, stored in the file; the
// file is replaced whole or left as it was. Throws UserError naming the file.
void writeTransparentPng(const QString& path, const QImage& picture);

} // namespace veltmoor
