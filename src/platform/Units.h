#pragma once

namespace veltmoor::units {

// The lengths the program works in. A tag dot is the composed sheet's pixel, 1/200 inch; a
// printer dot is the printer's, at the printer's resolution; a point is 1/72 inch (PDF and
// the printing system's paper sizes).
constexpr double kMmPerInch = 25.4;
constexpr int kPointsPerInch = 72;
constexpr int kTagDotsPerInch = 200;

constexpr double mmFromInches(double inches) {
    return inches * kMmPerInch;
}

constexpr double mmFromTagDots(double tagDots) {
    return tagDots * kMmPerInch / kTagDotsPerInch;
}

// Zero at no resolution, as a page that was never read has none.
constexpr double mmFromPrinterDots(double printerDots, double dotsPerInch) {
    return dotsPerInch > 0 ? printerDots * kMmPerInch / dotsPerInch : 0.0;
}

constexpr double printerDotsFromMm(double mm, double dotsPerInch) {
    return mm * dotsPerInch / kMmPerInch;
}

constexpr double pointsFromPrinterDots(double printerDots, double dotsPerInch) {
    return printerDots * kPointsPerInch / dotsPerInch;
}

// A resolution given per centimetre, in whole dots per inch, rounded (2.54 cm to the inch).
constexpr int dotsPerInchFromPerCentimetre(int dotsPerCentimetre) {
    return (dotsPerCentimetre * 254 + 50) / 100;
}

// A length in whole millimetres as whole printer dots, truncated.
constexpr int printerDotsFromWholeMm(int mm, int dotsPerInch) {
    return mm * dotsPerInch * 10 / 254;
}

} // namespace veltmoor::units
