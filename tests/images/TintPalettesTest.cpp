#include "images/TintPalettes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veltmoor {
namespace {

// The colourings as the choice lists them, with the palette each is built from, written
// out again here so that the library's own table is checked against it.
enum class Kind { Tone, Tint, Shade, BlackWhite };
struct Expected {
    const char* text;
    Kind kind;
    int red, green, blue;
};
const Expected kExpected[kTintTypeCount] = {
    {"0 - Sepia", Kind::Tone, 107, 71, 59},
    {"1 - Blue", Kind::Tint, 255, 255, 0},
    {"2 - Green", Kind::Tint, 255, 0, 255},
    {"3 - Aqua", Kind::Tint, 255, 0, 0},
    {"4 - Red", Kind::Tint, 0, 255, 255},
    {"5 - Violet", Kind::Tint, 0, 255, 0},
    {"6 - Yellow", Kind::Tint, 0, 0, 255},
    {"7 - Black and White", Kind::BlackWhite, 0, 0, 0},
    {"8 - Gray Scale", Kind::Shade, 255, 255, 255},
    {"9 - Yellow with Black", Kind::Shade, 255, 255, 0},
    {"10 - Violet with Black", Kind::Shade, 255, 0, 255},
    {"11 - Red with Black", Kind::Shade, 255, 0, 0},
    {"12 - Aqua with Black", Kind::Shade, 0, 255, 255},
    {"13 - Green with Black", Kind::Shade, 0, 255, 0},
    {"14 - Blue with Black", Kind::Shade, 0, 0, 255},
    {"15 - BlueTone", Kind::Tone, 20, 50, 60},
    {"16-  Brown Tone", Kind::Tone, 127, 85, 63},
    {"17 - Deep Blue Tone", Kind::Tone, 50, 20, 60},
    {"18 - Red Tone", Kind::Tone, 120, 40, 50},
    {"19 - Green Tone", Kind::Tone, 50, 98, 45},
};

// The ramp value of entry i: 0 first, then 255 down to 1.
int ramp(int i) {
    return i == 0 ? 0 : 256 - i;
}

// Entry i computed another way than the library does: ramps by their closed form, tones
// with floating-point steps (no product i * step lands exactly on an integer for i > 0).
TColor expectedEntry(const Expected& type, int i) {
    const auto tint = [&](int factor) { return factor != 0 ? ramp(i) : 255; };
    const auto shade = [&](int factor) { return factor == 255 ? ramp(i) : 0; };
    const auto tone = [&](int base, double step) {
        return std::min(255, base + static_cast<int>(std::floor(i * step)));
    };
    switch (type.kind) {
    case Kind::Tint:
        return rgbColor(tint(type.red), tint(type.green), tint(type.blue));
    case Kind::Shade:
        return rgbColor(shade(type.red), shade(type.green), shade(type.blue));
    case Kind::BlackWhite:
        return i < 2 ? rgbColor(0, 0, 0) : rgbColor(255, 255, 255);
    case Kind::Tone:
        break;
    }
    if (i == 255) {
        return rgbColor(255, 255, 234);
    }
    return rgbColor(tone(type.red, 0.55078), tone(type.green, 0.70312), tone(type.blue, 0.64844));
}

TEST(TintPalettes, EveryEntryOfEveryColouringFollowsItsFormula) {
    for (int type = 0; type < kTintTypeCount; ++type) {
        SCOPED_TRACE(kExpected[type].text);
        EXPECT_EQ(tintTypeText(type), QLatin1String(kExpected[type].text));
        const TintPalette palette = tintPaletteFor(type);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(palette[static_cast<std::size_t>(i)], expectedEntry(kExpected[type], i))
                << "entry " << i;
        }
    }
    // The ends of the tones as the choice describes them.
    EXPECT_EQ(tintPaletteFor(0)[254], rgbColor(246, 249, 223));
    EXPECT_EQ(tintPaletteFor(15)[254], rgbColor(159, 228, 224));
    EXPECT_EQ(tintPaletteFor(17)[254], rgbColor(189, 198, 224));
    EXPECT_TRUE(tintTypeText(20).isEmpty());
    EXPECT_THROW(tintPaletteFor(-1), std::out_of_range);
}

} // namespace
} // namespace veltmoor
