#pragma once

#include "platform/Canvas.h"

#include <QString>

namespace veltmoor {

// The width of a text in a font, as the tag canvas measures it.
int measureTextWidth(const Font& font, const QString& text);

// The width of the text block's widest display line, measured in the block font's face at
// twice its size with no style (0 when the block is empty). The block is laid out as a
// column of this width.
int textBlockWidthFor(const Font& textBlockFont, const QString& textBlockText);

} // namespace veltmoor
