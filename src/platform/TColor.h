#pragma once

#include <cstdint>

namespace veltmoor {

// A colour as the design files and every interface carry it: $00BBGGRR, red in the low
// byte. A top byte of $FF marks a system colour whose low byte is the system colour index.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clAqua = 0xFFFF00;

// System colours by their index, as stored in design files (as negative numbers).
constexpr TColor clSystemColorFlag = 0xFF000000;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clBtnFace = 0xFF00000F;

constexpr TColor rgbColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(TColor color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int greenOf(TColor color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int blueOf(TColor color) {
    return static_cast<int>((color >> 16) & 0xFF);
}
constexpr bool isSystemColor(TColor color) {
    return (color & 0xFF000000) == clSystemColorFlag;
}

// Pixels are stored as Qt's 0xFFRRGGBB so that the same memory can be handed to Qt for
// text and codecs without conversion.
using Pixel = std::uint32_t;

constexpr Pixel pixelFromRgb(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<Pixel>(red & 0xFF) << 16) |
           (static_cast<Pixel>(green & 0xFF) << 8) | static_cast<Pixel>(blue & 0xFF);
}
constexpr int redOfPixel(Pixel pixel) {
    return static_cast<int>((pixel >> 16) & 0xFF);
}
constexpr int greenOfPixel(Pixel pixel) {
    return static_cast<int>((pixel >> 8) & 0xFF);
}
constexpr int blueOfPixel(Pixel pixel) {
    return static_cast<int>(pixel & 0xFF);
}

// The concrete colour a system colour stands for when it is drawn. The button face is
// the outside marker of a tag under composition, so it must be one fixed value.
TColor resolveSystemColor(TColor color);

inline Pixel pixelFromColor(TColor color) {
    const TColor concrete = resolveSystemColor(color);
    return pixelFromRgb(redOf(concrete), greenOf(concrete), blueOf(concrete));
}
constexpr TColor colorFromPixel(Pixel pixel) {
    return rgbColor(redOfPixel(pixel), greenOfPixel(pixel), blueOfPixel(pixel));
}

} // namespace veltmoor
