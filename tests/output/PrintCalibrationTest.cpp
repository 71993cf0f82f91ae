// The calibration arithmetic, checked against a model printer that shifts and stretches the
// page: the profile worked out from its calibration sheet must put every point back.
#include "output/PrintCalibration.h"

#include "platform/Errors.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using test::letterWithMargins;

// A printer that misplaces the page: a point meant for p millimetres from the printable
// area's corner lands at corner + shift + scale * p.
struct ModelPrinter {
    double shiftXMm, shiftYMm, scaleX, scaleY;

    double landsX(double fromCornerMm, double cornerMm) const {
        return cornerMm + shiftXMm + scaleX * fromCornerMm;
    }
    double landsY(double fromCornerMm, double cornerMm) const {
        return cornerMm + shiftYMm + scaleY * fromCornerMm;
    }
};

constexpr double kDotsPerMm = 600 / 25.4;

TEST(PrintCalibration, AMeasuredProfilePutsEveryPointWithinAFifthOfAMillimetre) {
    const PrinterMetrics metrics = letterWithMargins();
    const double cornerX = 150 / kDotsPerMm;
    const double cornerY = 225 / kDotsPerMm;
    const ModelPrinter printers[] = {
        {0, 0, 1, 1},         {1.0, -2.0, 1.01, 0.995}, {-6.0, 4.5, 0.97, 1.03},
        {3.2, 0.7, 1.004, 1}, {-0.4, -5.9, 1.02, 0.98},
    };
    for (const ModelPrinter& printer : printers) {
        SCOPED_TRACE(testing::Message() << printer.shiftXMm << "," << printer.shiftYMm << ","
                                        << printer.scaleX << "," << printer.scaleY);
        // What the user reads on the sheet, printed uncorrected: the cross distances and
        // where the vernier's zero lines (12 mm into the printable area) landed.
        CalibrationMeasurements measured;
        measured.acrossMm = 150.0 * printer.scaleX;
        measured.downMm = 200.0 * printer.scaleY;
        measured.leftEdgeMm = printer.landsX(12.0, cornerX);
        measured.topEdgeMm = printer.landsY(12.0, cornerY);
        const CalibrationProfile profile = profileFromMeasurements(measured, metrics);

        // A tag edge anywhere on the printable area, corrected and then misplaced, lands
        // where it belongs.
        for (const Rect& onPaper : {Rect{150, 225, 4950, 6300}, Rect{2000, 3000, 2400, 3100}}) {
            const QRectF corrected = calibratedOnPaper(onPaper, metrics, {profile, false});
            EXPECT_NEAR(printer.landsX(corrected.left() / kDotsPerMm - cornerX, cornerX),
                        onPaper.left / kDotsPerMm, 0.2);
            EXPECT_NEAR(printer.landsX(corrected.right() / kDotsPerMm - cornerX, cornerX),
                        onPaper.right / kDotsPerMm, 0.2);
            EXPECT_NEAR(printer.landsY(corrected.top() / kDotsPerMm - cornerY, cornerY),
                        onPaper.top / kDotsPerMm, 0.2);
            EXPECT_NEAR(printer.landsY(corrected.bottom() / kDotsPerMm - cornerY, cornerY),
                        onPaper.bottom / kDotsPerMm, 0.2);
        }
    }
    // Worked by hand for 1.0 mm right and 1 % large, 2.0 mm up and 0.5 % small:
    // 150 / 151.5 = 99.01 %, 200 / 199 = 100.50 %, -1.0 / 1.01 = -1.0 mm, 2.0 / 0.995 = 2.0 mm.
    const CalibrationProfile expected{-10, 20, 9901, 10050};
    CalibrationMeasurements measured{151.5, 199.0, cornerX + 1.0 + 12.12, cornerY - 2.0 + 11.94};
    EXPECT_EQ(profileFromMeasurements(measured, metrics), expected);
    EXPECT_EQ(formatCalibrationProfile(expected), QStringLiteral("-1.0,2.0,99.01,100.50"));
}

TEST(PrintCalibration, WithoutAProfileEveryEdgeStaysOnItsDot) {
    const Rect strip{150, 1762, 3150, 1912};
    const QRectF placed = calibratedOnPaper(strip, letterWithMargins(), PageCalibration{});
    EXPECT_EQ(placed, QRectF(150, 1762, 3000, 150));
}

TEST(PrintCalibration, EntriesOutOfRangeAreRefusedWithTheRange) {
    const struct {
        const char* typed;
        const char* message; // empty: accepted as expected
        CalibrationProfile expected;
    } cases[] = {
        {"1.5,-2.0,101.00,99.50", "", {15, -20, 10100, 9950}},
        {"-10,10,95,105", "", {-100, 100, 9500, 10500}},
        {" 0.04 , 0.06 ,100.004,99.996", "", {0, 1, 10000, 10000}},
        {"10.1,0,100,100",
         "Value must be between -10.0 and 10.0 (the horizontal offset in mm)",
         {}},
        {"0,-10.06,100,100",
         "Value must be between -10.0 and 10.0 (the vertical offset in mm)",
         {}},
        {"0,0,94.99,100", "Value must be between 95.00 and 105.00 (the horizontal scale in %)", {}},
        {"0,0,100,105.01", "Value must be between 95.00 and 105.00 (the vertical scale in %)", {}},
        {"0,0,100,abc", "\"abc\" is not a number.", {}},
        {"1,2,3", "four numbers", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        try {
            const CalibrationProfile parsed = parseCalibrationProfile(QString::fromLatin1(c.typed));
            EXPECT_STREQ(c.message, "") << "accepted";
            EXPECT_EQ(parsed, c.expected);
            EXPECT_EQ(parseCalibrationProfile(formatCalibrationProfile(parsed)), parsed);
        } catch (const UserError& error) {
            EXPECT_TRUE(*c.message && error.message().contains(QLatin1String(c.message)))
                << error.message().toStdString();
        }
    }
    // A measured scale beyond the range is refused the same way.
    CalibrationMeasurements tooSmall{140.0, 200.0, 18.35, 21.525};
    EXPECT_THROW(profileFromMeasurements(tooSmall, letterWithMargins()), UserError);
}

} // namespace
} // namespace veltmoor
