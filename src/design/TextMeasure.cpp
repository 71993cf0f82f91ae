#include "design/TextMeasure.h"

#include "render/TextBlockWidth.h"

namespace veltmoor {

int measureTextWidth(const Font& font, const QString& text) {
    Bitmap scratch(1, 1);
    Canvas canvas(scratch);
    canvas.font() = font;
    return canvas.textWidth(text);
}

int textBlockWidthFor(const Font& textBlockFont, const QString& textBlockText) {
    // One rule for the window, the design files and the tag: the block's own measurement.
    return measureTextBlockWidth(textBlockText, textBlockFont);
}

} // namespace veltmoor
