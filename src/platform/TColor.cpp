#include "platform/TColor.h"

#include <array>

namespace veltmoor {

namespace {

// The classic light desktop scheme; the button face is the grey of the original system.
constexpr std::array<TColor, 31> kSystemColors = {
    rgbColor(200, 200, 200), // 0 scroll bar
    rgbColor(0, 128, 128),   // 1 background (desktop)
    rgbColor(0, 0, 128),     // 2 active caption
    rgbColor(128, 128, 128), // 3 inactive caption
    rgbColor(192, 192, 192), // 4 menu
    rgbColor(255, 255, 255), // 5 window
    rgbColor(0, 0, 0),       // 6 window frame
    rgbColor(0, 0, 0),       // 7 menu text
    rgbColor(0, 0, 0),       // 8 window text
    rgbColor(255, 255, 255), // 9 caption text
    rgbColor(192, 192, 192), // 10 active border
    rgbColor(192, 192, 192), // 11 inactive border
    rgbColor(128, 128, 128), // 12 application workspace
    rgbColor(0, 0, 128),     // 13 highlight
    rgbColor(255, 255, 255), // 14 highlight text
    rgbColor(212, 208, 200), // 15 button face
    rgbColor(128, 128, 128), // 16 button shadow
    rgbColor(128, 128, 128), // 17 grey text
    rgbColor(0, 0, 0),       // 18 button text
    rgbColor(192, 192, 192), // 19 inactive caption text
    rgbColor(255, 255, 255), // 20 button highlight
    rgbColor(64, 64, 64),    // 21 3D dark shadow
    rgbColor(212, 208, 200), // 22 3D light
    rgbColor(0, 0, 0),       // 23 info text
    rgbColor(255, 255, 225), // 24 info background
    rgbColor(181, 181, 181), // 25 (unused index)
    rgbColor(0, 0, 255),     // 26 hot light
    rgbColor(166, 202, 240), // 27 gradient active caption
    rgbColor(192, 192, 192), // 28 gradient inactive caption
    rgbColor(49, 106, 197),  // 29 menu highlight
    rgbColor(236, 233, 216), // 30 menu bar
};

} // namespace

TColor resolveSystemColor(TColor color) {
    if (!isSystemColor(color)) {
        return color & 0x00FFFFFF;
    }
    const auto index = static_cast<std::size_t>(color & 0xFF);
    return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
}

} // namespace veltmoor
