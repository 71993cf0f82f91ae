#include "app/design/TextMeasure.h"

#include "render/TextBlockLines.h"

#include <algorithm>

namespace veltmoor {

int measureTextWidth(const Font& font, const QString& text) {
    Bitmap scratch(1, 1);
    Canvas canvas(scratch);
    canvas.font() = font;
    return canvas.textWidth(text);
}

int textBlockWidthFor(const Font& textBlockFont, const QString& textBlockText) {
    Font measuringFont;
    measuringFont.name = textBlockFont.name;
    measuringFont.sizePoints = textBlockFont.sizePoints * 2;
    int widest = 0;
    for (const QString& line : textBlockDisplayLines(textBlockText)) {
        widest = std::max(widest, measureTextWidth(measuringFont, line));
    }
    return widest;
}

} // namespace veltmoor
