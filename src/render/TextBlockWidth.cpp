#include "render/TextBlockWidth.h"

#include "render/TagText.h"

#include <algorithm>

namespace veltmoor {

Font textBlockWidthFont(const Font& textBlockFont) {
    Font font;
    font.name = textBlockFont.name;
    font.sizePoints = doubledFontSize(textBlockFont.sizePoints);
    return font;
}

int measureTextBlockWidth(const QStringList& displayLines, const Font& textBlockFont,
                          const TextMeasure& measure) {
    const Font font = textBlockWidthFont(textBlockFont);
    int widest = 0;
    for (const QString& line : displayLines) {
        widest = std::max(widest, measure.width(font, line));
    }
    return widest;
}

int measureTextBlockWidth(const QString& textBlockText, const Font& textBlockFont,
                          const TextMeasure& measure) {
    return measureTextBlockWidth(textBlockDisplayLines(textBlockText, measure), textBlockFont,
                                 measure);
}

int measureTextBlockWidth(const QString& textBlockText, const Font& textBlockFont) {
    const PlatformTextMeasure measure;
    return measureTextBlockWidth(textBlockText, textBlockFont, measure);
}

} // namespace veltmoor
