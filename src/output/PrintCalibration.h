#pragma once

#include "output/PrinterMetrics.h"
#include "platform/Bitmap.h"

#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace veltmoor {

// How far one printer misses the true place and size of what it prints, as the correction
// that puts it right: the page is first scaled about the printable area's top-left corner,
// then moved (positive: right and down). Kept in whole steps, so that a value typed, stored
// and read back is always the same value.
struct CalibrationProfile {
    int offsetXTenthsMm = 0; // 0.1 mm steps
    int offsetYTenthsMm = 0;
    int scaleXHundredthsPercent = 10000; // 0.01 % steps
    int scaleYHundredthsPercent = 10000;

    // Prints exactly as without a profile.
    bool isIdentity() const { return *this == CalibrationProfile{}; }
    friend bool operator==(const CalibrationProfile&, const CalibrationProfile&) = default;
};

constexpr int kOffsetLimitTenthsMm = 100;        // 10 mm either way
constexpr int kScaleMinHundredthsPercent = 9500; // 95 %
constexpr int kScaleMaxHundredthsPercent = 10500;

// Throws UserError ("Value must be between -10.0 and 10.0 ...") for the first value out of
// range; returns the profile unchanged otherwise.
const CalibrationProfile& checkedProfile(const CalibrationProfile& profile);

// "dx,dy,sx,sy" in millimetres and percent, e.g. "1.5,-2.0,101.00,99.50". Values between
// steps are rounded to the nearest step. Throws UserError for a missing or unreadable value
// and for one out of range.
CalibrationProfile parseCalibrationProfile(const QString& text);

// The same four numbers, in the form parseCalibrationProfile reads.
QString formatCalibrationProfile(const CalibrationProfile& profile);

// A profile as it applies to one page. The profile belongs to the paper as the printer feeds
// it; a landscape page is turned a quarter turn counter-clockwise onto that paper, so its
// correction is the profile's turned with it (the page's x follows the paper's height from
// the bottom, its y the paper's width), still scaled about the paper's printable corner.
struct PageCalibration {
    CalibrationProfile profile;
    bool landscape = false;
};

// Where a destination on the page (device dots, the page's corner at the origin) lands once
// the calibration corrects it. Rectangles that abut before abut after: a shared edge maps to
// the same place.
QRectF calibratedOnPaper(const Rect& onPaper, const PrinterMetrics& metrics,
                         const PageCalibration& calibration);

// What the user measured on the calibration sheet, printed without correction: the
// distances between the crosses and the vernier readings (the paper's edge to the
// vernier's zero line), all in millimetres.
struct CalibrationMeasurements {
    double acrossMm = 0;
    double downMm = 0;
    double leftEdgeMm = 0;
    double topEdgeMm = 0;
};

// The calibration sheet's design, in millimetres from the printable area's top-left corner.
struct CalibrationSheetGeometry {
    static constexpr double kCrossSpacingAcrossMm = 150.0;
    static constexpr double kCrossSpacingDownMm = 200.0;
    static constexpr double kFirstCrossXMm = 25.0;
    static constexpr double kFirstCrossYMm = 40.0;
    static constexpr double kVernierZeroMm = 12.0; // the zero lines' distance from the corner
};

// Where the vernier's zero lines lie from the paper's left and top edges on a printer that
// prints true.
QPointF nominalVernierZeroMm(const PrinterMetrics& metrics);

// The profile that corrects what was measured (scale = nominal / measured; offset = where
// the zero line belongs minus where it was found). Throws UserError when a distance is not
// above zero or the result lies out of range.
CalibrationProfile profileFromMeasurements(const CalibrationMeasurements& measured,
                                           const PrinterMetrics& metrics);

// Draws the calibration sheet on a painter that covers the whole paper in device dots:
// millimetre rulers along the top and left edges of the printable area, three crosses (the
// second 150.0 mm right of the first, the third 200.0 mm below it) and a vernier at the
// top-left corner.
void drawCalibrationSheet(QPainter& painter, const PrinterMetrics& metrics);

} // namespace veltmoor
