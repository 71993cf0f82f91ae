#include "output/PrintCalibration.h"

#include "platform/Errors.h"
#include "platform/Units.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace veltmoor {

namespace {

// One of the four numbers: its name in messages, the size of a step in the unit the user
// types, the decimals it is written with, and its range in steps.
struct ProfileValue {
    const char* name;
    double step;
    int decimals;
    int min;
    int max;
};

constexpr ProfileValue kOffsetX{"horizontal offset in mm", 0.1, 1, -kOffsetLimitTenthsMm,
                                kOffsetLimitTenthsMm};
constexpr ProfileValue kOffsetY{"vertical offset in mm", 0.1, 1, -kOffsetLimitTenthsMm,
                                kOffsetLimitTenthsMm};
constexpr ProfileValue kScaleX{"horizontal scale in %", 0.01, 2, kScaleMinHundredthsPercent,
                               kScaleMaxHundredthsPercent};
constexpr ProfileValue kScaleY{"vertical scale in %", 0.01, 2, kScaleMinHundredthsPercent,
                               kScaleMaxHundredthsPercent};

QString shown(double value, int decimals) {
    return QLocale::c().toString(value, 'f', decimals);
}

int checkedSteps(const ProfileValue& value, double steps) {
    if (!std::isfinite(steps) || steps < value.min || steps > value.max) {
        throw UserError(QStringLiteral("Value must be between %1 and %2 (the %3)")
                            .arg(shown(value.min * value.step, value.decimals),
                                 shown(value.max * value.step, value.decimals),
                                 QLatin1String(value.name)));
    }
    return static_cast<int>(steps);
}

int stepsOf(const ProfileValue& value, double amount) {
    return checkedSteps(value, std::round(amount / value.step));
}

double dotsPerMm(int dotsPerInch) {
    return units::printerDotsFromMm(1, dotsPerInch);
}

double mmOfDots(int dots, int dotsPerInch) {
    return dotsPerInch > 0 ? dots / dotsPerMm(dotsPerInch) : 0.0;
}

// The correction along one of the page's axes: scaled about a pivot, then moved.
struct AxisCorrection {
    double pivot;
    double scale;
    double offset; // dots

    double operator()(int position) const { return pivot + (position - pivot) * scale + offset; }
};

AxisCorrection axisCorrection(double pivot, int scaleSteps, int offsetSteps, int dotsPerInch) {
    return {pivot, scaleSteps / 10000.0, offsetSteps / 10.0 * dotsPerMm(dotsPerInch)};
}

} // namespace

const CalibrationProfile& checkedProfile(const CalibrationProfile& profile) {
    checkedSteps(kOffsetX, profile.offsetXTenthsMm);
    checkedSteps(kOffsetY, profile.offsetYTenthsMm);
    checkedSteps(kScaleX, profile.scaleXHundredthsPercent);
    checkedSteps(kScaleY, profile.scaleYHundredthsPercent);
    return profile;
}

CalibrationProfile parseCalibrationProfile(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        throw UserError(QStringLiteral("A calibration takes four numbers separated by commas "
                                       "(offsets in mm, scales in %), for example "
                                       "\"1.5,-2.0,101.00,99.50\", not \"%1\".")
                            .arg(text));
    }
    double numbers[4] = {};
    for (int index = 0; index < 4; ++index) {
        bool ok = false;
        numbers[index] = QLocale::c().toDouble(parts.at(index).trimmed(), &ok);
        if (!ok) {
            throw UserError(
                QStringLiteral("\"%1\" is not a number.").arg(parts.at(index).trimmed()));
        }
    }
    CalibrationProfile profile;
    profile.offsetXTenthsMm = stepsOf(kOffsetX, numbers[0]);
    profile.offsetYTenthsMm = stepsOf(kOffsetY, numbers[1]);
    profile.scaleXHundredthsPercent = stepsOf(kScaleX, numbers[2]);
    profile.scaleYHundredthsPercent = stepsOf(kScaleY, numbers[3]);
    return profile;
}

QString formatCalibrationProfile(const CalibrationProfile& profile) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(shown(profile.offsetXTenthsMm * kOffsetX.step, kOffsetX.decimals),
             shown(profile.offsetYTenthsMm * kOffsetY.step, kOffsetY.decimals),
             shown(profile.scaleXHundredthsPercent * kScaleX.step, kScaleX.decimals),
             shown(profile.scaleYHundredthsPercent * kScaleY.step, kScaleY.decimals));
}

QRectF calibratedOnPaper(const Rect& onPaper, const PrinterMetrics& metrics,
                         const PageCalibration& calibration) {
    const CalibrationProfile& profile = calibration.profile;
    // On a landscape page the paper's printable top edge is the page's printable right edge,
    // and moving down the paper is moving left on the page.
    const AxisCorrection x =
        calibration.landscape
            ? axisCorrection(metrics.PhysicalOffsetX + metrics.PageWidth,
                             profile.scaleYHundredthsPercent, -profile.offsetYTenthsMm,
                             metrics.PixelsPerInchX)
            : axisCorrection(metrics.PhysicalOffsetX, profile.scaleXHundredthsPercent,
                             profile.offsetXTenthsMm, metrics.PixelsPerInchX);
    const AxisCorrection y =
        calibration.landscape
            ? axisCorrection(metrics.PhysicalOffsetY, profile.scaleXHundredthsPercent,
                             profile.offsetXTenthsMm, metrics.PixelsPerInchY)
            : axisCorrection(metrics.PhysicalOffsetY, profile.scaleYHundredthsPercent,
                             profile.offsetYTenthsMm, metrics.PixelsPerInchY);
    // A page turned onto the paper still has its left edge left of its right edge: the
    // scales are positive, so the rectangle keeps its orientation.
    return QRectF(QPointF(x(onPaper.left), y(onPaper.top)),
                  QPointF(x(onPaper.right), y(onPaper.bottom)));
}

QPointF nominalVernierZeroMm(const PrinterMetrics& metrics) {
    return QPointF(mmOfDots(metrics.PhysicalOffsetX, metrics.PixelsPerInchX),
                   mmOfDots(metrics.PhysicalOffsetY, metrics.PixelsPerInchY)) +
           QPointF(CalibrationSheetGeometry::kVernierZeroMm,
                   CalibrationSheetGeometry::kVernierZeroMm);
}

namespace {

// The printer's own error along one axis and its correction. The vernier's zero line lies
// inside the printable area, so what was read there holds the printer's scale as well as
// its shift; the shift at the printable area's corner is what the offset undoes.
void correctAxis(double nominalDistance, double measuredDistance, double nominalZero,
                 double measuredZero, const ProfileValue& scaleValue, int& scaleSteps,
                 const ProfileValue& offsetValue, int& offsetSteps) {
    if (!(measuredDistance > 0)) {
        throw UserError(
            QStringLiteral("The distance measured between the crosses must be above 0 mm."));
    }
    const double printerScale = measuredDistance / nominalDistance;
    const double shiftAtCorner = measuredZero - nominalZero -
                                 CalibrationSheetGeometry::kVernierZeroMm * (printerScale - 1.0);
    scaleSteps = stepsOf(scaleValue, 100.0 * nominalDistance / measuredDistance);
    offsetSteps = stepsOf(offsetValue, -shiftAtCorner / printerScale);
}

} // namespace

CalibrationProfile profileFromMeasurements(const CalibrationMeasurements& measured,
                                           const PrinterMetrics& metrics) {
    const QPointF zero = nominalVernierZeroMm(metrics);
    CalibrationProfile profile;
    correctAxis(CalibrationSheetGeometry::kCrossSpacingAcrossMm, measured.acrossMm, zero.x(),
                measured.leftEdgeMm, kScaleX, profile.scaleXHundredthsPercent, kOffsetX,
                profile.offsetXTenthsMm);
    correctAxis(CalibrationSheetGeometry::kCrossSpacingDownMm, measured.downMm, zero.y(),
                measured.topEdgeMm, kScaleY, profile.scaleYHundredthsPercent, kOffsetY,
                profile.offsetYTenthsMm);
    return profile;
}

} // namespace veltmoor
