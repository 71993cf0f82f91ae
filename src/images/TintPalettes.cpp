#include "images/TintPalettes.h"

#include <algorithm>
#include <stdexcept>

namespace veltmoor {

namespace {

enum class Builder { Tone, Tint, Shade, BlackWhite };

struct TintType {
    const char* text;
    Builder builder;
    int red;
    int green;
    int blue;
};

// The item texts are the ones users know from the choice, odd spacing included.
constexpr std::array<TintType, kTintTypeCount> kTintTypes{{
    {"0 - Sepia", Builder::Tone, 107, 71, 59},
    {"1 - Blue", Builder::Tint, 255, 255, 0},
    {"2 - Green", Builder::Tint, 255, 0, 255},
    {"3 - Aqua", Builder::Tint, 255, 0, 0},
    {"4 - Red", Builder::Tint, 0, 255, 255},
    {"5 - Violet", Builder::Tint, 0, 255, 0},
    {"6 - Yellow", Builder::Tint, 0, 0, 255},
    {"7 - Black and White", Builder::BlackWhite, 0, 0, 0},
    {"8 - Gray Scale", Builder::Shade, 255, 255, 255},
    {"9 - Yellow with Black", Builder::Shade, 255, 255, 0},
    {"10 - Violet with Black", Builder::Shade, 255, 0, 255},
    {"11 - Red with Black", Builder::Shade, 255, 0, 0},
    {"12 - Aqua with Black", Builder::Shade, 0, 255, 255},
    {"13 - Green with Black", Builder::Shade, 0, 255, 0},
    {"14 - Blue with Black", Builder::Shade, 0, 0, 255},
    {"15 - BlueTone", Builder::Tone, 20, 50, 60},
    {"16-  Brown Tone", Builder::Tone, 127, 85, 63},
    {"17 - Deep Blue Tone", Builder::Tone, 50, 20, 60},
    {"18 - Red Tone", Builder::Tone, 120, 40, 50},
    {"19 - Green Tone", Builder::Tone, 50, 98, 45},
}};

// Over i = 0..255 this takes every byte value once: 0, then 255 down to 1.
int rampValue(int i) {
    return (i * 255) % 256;
}

int tintComponent(int i, int factor) {
    return factor != 0 ? rampValue(i) : 255;
}

int shadeComponent(int i, int factor) {
    return (i * factor) % 256;
}

// The tone sums are bytes in a palette entry; the brighter tones would run past white.
int toneComponent(int base, int i, int stepPerHundredThousand) {
    return std::min(255, base + i * stepPerHundredThousand / 100000);
}

} // namespace

bool isTintType(int type) {
    return type >= 0 && type < kTintTypeCount;
}

QString tintTypeText(int type) {
    return isTintType(type) ? QString::fromLatin1(kTintTypes[static_cast<std::size_t>(type)].text)
                            : QString();
}

TintPalette MakeTintPalette(int redFactor, int greenFactor, int blueFactor) {
    TintPalette palette{};
    for (int i = 0; i < 256; ++i) {
        palette[static_cast<std::size_t>(i)] =
            rgbColor(tintComponent(i, redFactor), tintComponent(i, greenFactor),
                     tintComponent(i, blueFactor));
    }
    return palette;
}

TintPalette MakeShadePalette(int redFactor, int greenFactor, int blueFactor) {
    TintPalette palette{};
    for (int i = 0; i < 256; ++i) {
        palette[static_cast<std::size_t>(i)] =
            rgbColor(shadeComponent(i, redFactor), shadeComponent(i, greenFactor),
                     shadeComponent(i, blueFactor));
    }
    return palette;
}

TintPalette MakeBlackWhitePalette() {
    TintPalette palette{};
    palette.fill(clWhite);
    palette[0] = clBlack;
    palette[1] = clBlack;
    return palette;
}

TintPalette MakeTonePalette(int baseRed, int baseGreen, int baseBlue) {
    TintPalette palette{};
    for (int i = 0; i < 255; ++i) {
        palette[static_cast<std::size_t>(i)] =
            rgbColor(toneComponent(baseRed, i, 55078), toneComponent(baseGreen, i, 70312),
                     toneComponent(baseBlue, i, 64844));
    }
    palette[255] = rgbColor(255, 255, 234);
    return palette;
}

TintPalette tintPaletteFor(int type) {
    if (!isTintType(type)) {
        throw std::out_of_range("unknown colouring type");
    }
    const TintType& tint = kTintTypes[static_cast<std::size_t>(type)];
    switch (tint.builder) {
    case Builder::Tone:
        return MakeTonePalette(tint.red, tint.green, tint.blue);
    case Builder::Tint:
        return MakeTintPalette(tint.red, tint.green, tint.blue);
    case Builder::Shade:
        return MakeShadePalette(tint.red, tint.green, tint.blue);
    case Builder::BlackWhite:
        break;
    }
    return MakeBlackWhitePalette();
}

} // namespace veltmoor
