#pragma once

#include "platform/TColor.h"

#include <QString>

#include <array>

namespace veltmoor {

// The colourings a picture can be tinted with, in the order the choice lists them.
constexpr int kTintTypeCount = 20;

// The 256 colours of one colouring; a tinted picture uses only these.
using TintPalette = std::array<TColor, 256>;

bool isTintType(int type);

// The choice's item text for a colouring, e.g. "16-  Brown Tone"; empty for an unknown type.
QString tintTypeText(int type);

// A ramp from each factor's colour to white: components with a factor run through every
// byte value, the others stay at 255.
TintPalette MakeTintPalette(int redFactor, int greenFactor, int blueFactor);
// A ramp from black: each component is (i * factor) mod 256.
TintPalette MakeShadePalette(int redFactor, int greenFactor, int blueFactor);
// Two blacks, then white.
TintPalette MakeBlackWhitePalette();
// A tone from the base colour towards a pale cream; a component whose sum runs past 255
// stays at 255, and the last entry is (255, 255, 234).
TintPalette MakeTonePalette(int baseRed, int baseGreen, int baseBlue);

// The palette of a colouring 0..19; throws std::out_of_range for another type.
TintPalette tintPaletteFor(int type);

} // namespace veltmoor
