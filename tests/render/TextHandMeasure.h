#pragma once

#include "render/TextBlockLines.h"

namespace veltmoor::testing {

// Text metrics simple enough to work placements out by hand. With u = half the font size
// in points, a character is u wide, 'W' 2u and 'i' u/2, one more for each character when
// bold; every string, the empty one too, is size + 2 high, as platform text is the
// font's height whatever the string.
class HandMeasure final : public TextMeasure {
public:
    int width(const Font& font, const QString& text) const override {
        const int unit = font.sizePoints / 2;
        int total = 0;
        for (const QChar character : text) {
            total += character == u'W' ? 2 * unit : character == u'i' ? unit / 2 : unit;
            total += font.style.bold ? 1 : 0;
        }
        return total;
    }
    int height(const Font& font, const QString&) const override { return font.sizePoints + 2; }
};

} // namespace veltmoor::testing
