#include "output/BandedPrinting.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// Every pixel different, so a strip drawn in the wrong place or twice shows.
Bitmap numberedSheet(int width, int height) {
    Bitmap sheet(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.setPixel(x, y, pixelFromRgb(x * 11 % 256, y % 256, (x + 3 * y) % 256));
        }
    }
    return sheet;
}

// A 600 dpi printer with margins of 30 dots left and 45 top. A sheet of 20 x 130 pixels is
// a tenth by 0.65 inch: 60 x 390 dots, in strips of 50, 50 and 30 rows. On a printable
// area 400 dots high it is centred 5 dots down; each pixel becomes 3 x 3 dots.
TEST(BandedPrinting, EveryRowLandsAtItsTrueSizeWithoutSeams) {
    PrinterMetrics metrics;
    metrics.PixelsPerInchX = 600;
    metrics.PixelsPerInchY = 600;
    metrics.PageWidth = 150;
    metrics.PageHeight = 400;
    metrics.PhysicalWidth = 200;
    metrics.PhysicalHeight = 500;
    metrics.PhysicalOffsetX = 30;
    metrics.PhysicalOffsetY = 45;
    metrics.computeDerivedValues();

    const Bitmap sheet = numberedSheet(20, 130);
    QImage paper(200, 500, QImage::Format_RGB32);
    paper.fill(qRgb(1, 2, 3));
    {
        QPainter painter(&paper);
        PrintBitmapBanded(painter, sheet, metrics);
    }
    const Bitmap printed = Bitmap::fromQImage(paper);
    int mismatches = 0;
    for (int y = 0; y < 500; ++y) {
        for (int x = 0; x < 200; ++x) {
            const int sheetX = (x - 30) / 3;
            const int sheetY = (y - 50) / 3;
            const bool onSheet = x >= 30 && x < 90 && y >= 50 && y < 440;
            const Pixel expected = onSheet ? sheet.pixel(sheetX, sheetY) : pixelFromRgb(1, 2, 3);
            if (printed.pixel(x, y) != expected) {
                ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(BandedPrinting, StripDestinationsStartAtThePrintableAreaAndAbut) {
    PrinterMetrics metrics;
    metrics.PixelsPerInchX = 300;
    metrics.PixelsPerInchY = 300;
    metrics.PageWidth = 2400;
    metrics.PageHeight = 3150;
    metrics.PhysicalOffsetX = 75;
    metrics.PhysicalOffsetY = 60;
    // 1600 x 2110 pixels at 300 dpi: 2400 x 3165 dots, so the sheet starts 7 dots above
    // the printable area; 43 strips of 75 dots, the last of 10 rows 15 dots high.
    const StripPlan plan = planPrintStrips(1600, 2110, metrics.pageMetrics());
    const std::vector<Rect> destinations = stripDestinationsOnPaper(plan, metrics);
    ASSERT_EQ(destinations.size(), 43u);
    EXPECT_EQ(destinations.front(), (Rect{75, 53, 2475, 128}));
    EXPECT_EQ(destinations.back(), (Rect{75, 3203, 2475, 3218}));
    for (std::size_t k = 1; k < destinations.size(); ++k) {
        EXPECT_EQ(destinations[k].top, destinations[k - 1].bottom) << "strip " << k;
    }
}

} // namespace
} // namespace veltmoor
