#include "output/StripPlan.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace veltmoor {
namespace {

// The strips of a plan must cover every source row once, in order, and lie edge to edge.
void expectStripsTile(const StripPlan& plan, int height) {
    ASSERT_FALSE(plan.strips.empty());
    int nextRow = 0;
    int nextTop = plan.top;
    for (const PrintStrip& strip : plan.strips) {
        EXPECT_EQ(strip.firstRow, nextRow);
        EXPECT_GT(strip.rowCount, 0);
        EXPECT_LE(strip.rowCount, kStripRows);
        EXPECT_EQ(strip.destination.top, nextTop);
        EXPECT_EQ(strip.destination.left, 0);
        EXPECT_EQ(strip.destination.right, plan.destinationWidth);
        nextRow += strip.rowCount;
        nextTop = strip.destination.bottom;
    }
    EXPECT_EQ(nextRow, height);
}

TEST(StripPlan, LetterSheetAt600DpiIn42StripsOf150Dots) {
    const StripPlan plan = planPrintStrips(1600, 2100, PageMetrics{4800, 6300, 600, 600});
    EXPECT_EQ(plan.destinationWidth, 4800);
    EXPECT_EQ(plan.destinationHeight, 6300);
    EXPECT_EQ(plan.top, 0);
    ASSERT_EQ(plan.strips.size(), 42u);
    for (std::size_t k = 0; k < plan.strips.size(); ++k) {
        const int i = static_cast<int>(k);
        EXPECT_EQ(plan.strips[k], (PrintStrip{50 * i, 50, Rect{0, 150 * i, 4800, 150 * i + 150}}))
            << "strip " << k;
    }
    EXPECT_EQ(plan.strips.back().destination.bottom, 6300);
}

TEST(StripPlan, SheetIsCentredVerticallyOnATallerPage) {
    const StripPlan plan = planPrintStrips(1600, 2100, PageMetrics{4800, 6600, 600, 600});
    EXPECT_EQ(plan.top, 150);
    EXPECT_EQ(plan.strips.front().destination, (Rect{0, 150, 4800, 300}));
    EXPECT_EQ(plan.strips.back().destination, (Rect{0, 6300, 4800, 6450}));
}

TEST(StripPlan, LastPartialStripIsPrintedInProportion) {
    // 2110 rows: 42 whole strips and 10 rows more, 30 dots at 600 dpi.
    const StripPlan plan = planPrintStrips(1600, 2110, PageMetrics{4800, 6300, 600, 600});
    EXPECT_EQ(plan.destinationHeight, 6330);
    EXPECT_EQ(plan.top, -15); // (6300 - 6330) / 2, truncated toward zero
    ASSERT_EQ(plan.strips.size(), 43u);
    EXPECT_EQ(plan.strips[41], (PrintStrip{2050, 50, Rect{0, 6135, 4800, 6285}}));
    EXPECT_EQ(plan.strips[42], (PrintStrip{2100, 10, Rect{0, 6285, 4800, 6315}}));
    expectStripsTile(plan, 2110);
}

TEST(StripPlan, FewerThanFiftyRowsMakeOneStrip) {
    const StripPlan plan = planPrintStrips(1600, 30, PageMetrics{4800, 6300, 600, 600});
    ASSERT_EQ(plan.strips.size(), 1u);
    EXPECT_EQ(plan.top, (6300 - 90) / 2);
    EXPECT_EQ(plan.strips[0], (PrintStrip{0, 30, Rect{0, 3105, 4800, 3195}}));
}

TEST(StripPlan, OddWidthLosesItsLastColumn) {
    const PageMetrics page{4800, 6300, 600, 600};
    EXPECT_EQ(planPrintStrips(1601, 2100, page).destinationWidth, 4800);
    EXPECT_EQ(planPrintStrips(1600, 2100, page).destinationWidth, 4800);
}

TEST(StripPlan, LabelPrinterAt203DpiKeepsTheTrueSize) {
    const StripPlan plan = planPrintStrips(1600, 2100, PageMetrics{1624, 2400, 203, 203});
    EXPECT_EQ(plan.destinationWidth, 1624);  // 800 x 203 / 100
    EXPECT_EQ(plan.destinationHeight, 2131); // 1050 x 203 / 100 = 2131.5
    EXPECT_EQ(plan.top, 134);                // (2400 - 2131) / 2
    ASSERT_EQ(plan.strips.size(), 42u);
    // Fifty rows are 50.75 dots: strips alternate between 50 and 51 dots, so the rows add
    // up to the true height instead of shrinking by one dot in 51.
    EXPECT_EQ(plan.strips[0].destination, (Rect{0, 134, 1624, 184})); // 50 dots
    EXPECT_EQ(plan.strips[1].destination, (Rect{0, 184, 1624, 235})); // 101.5 -> 101
    EXPECT_EQ(plan.strips.back().destination.bottom, 134 + 2131);
    expectStripsTile(plan, 2100);
}

TEST(StripPlan, VerticalSizeFollowsTheVerticalResolution) {
    const StripPlan plan = planPrintStrips(1600, 2100, PageMetrics{4800, 3150, 600, 300});
    EXPECT_EQ(plan.destinationWidth, 4800);
    EXPECT_EQ(plan.destinationHeight, 3150);
    EXPECT_EQ(plan.top, 0);
    ASSERT_EQ(plan.strips.size(), 42u);
    EXPECT_EQ(plan.strips[1].destination, (Rect{0, 75, 4800, 150}));
    EXPECT_EQ(plan.strips.back().destination.bottom, 3150);

    const StripPlan tall = planPrintStrips(1600, 2100, PageMetrics{2400, 6300, 300, 600});
    EXPECT_EQ(tall.destinationWidth, 2400);
    EXPECT_EQ(tall.strips[1].destination, (Rect{0, 150, 2400, 300}));
}

TEST(StripPlan, StripsTileAtAnyResolution) {
    for (const int ppi : {72, 150, 203, 300, 360, 406, 600, 720, 1200, 2400}) {
        for (const int height : {1, 49, 50, 51, 99, 2100, 2111, 2238}) {
            SCOPED_TRACE(testing::Message() << ppi << " dpi, " << height << " rows");
            const StripPlan plan = planPrintStrips(1553, height, PageMetrics{0, 10000, ppi, ppi});
            expectStripsTile(plan, height);
            EXPECT_EQ(plan.strips.size(), static_cast<std::size_t>((height + 49) / 50));
            const auto exactHeight = static_cast<std::int64_t>(height) * ppi / 200;
            EXPECT_EQ(plan.strips.back().destination.bottom - plan.top, exactHeight);
        }
    }
}

TEST(StripPlan, NothingToPrintGivesNoStrips) {
    EXPECT_TRUE(planPrintStrips(1600, 2100, PageMetrics{4800, 6300, 0, 600}).strips.empty());
    EXPECT_TRUE(planPrintStrips(1600, 2100, PageMetrics{4800, 6300, 600, 0}).strips.empty());
    EXPECT_TRUE(planPrintStrips(0, 2100, PageMetrics{4800, 6300, 600, 600}).strips.empty());
    EXPECT_TRUE(planPrintStrips(1600, 0, PageMetrics{4800, 6300, 600, 600}).strips.empty());
}

TEST(StripPlan, CopiedStripHoldsItsOwnRows) {
    Bitmap sheet(3, 120);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            sheet.setPixelColor(x, y, rgbColor(y, x, 7));
        }
    }
    const StripPlan plan = planPrintStrips(3, 120, PageMetrics{600, 600, 600, 600});
    ASSERT_EQ(plan.strips.size(), 3u);
    Bitmap strip;
    copyStripRows(sheet, plan.strips[1], strip);
    ASSERT_EQ(strip.width(), 3);
    ASSERT_EQ(strip.height(), 50);
    EXPECT_EQ(strip.pixelColor(0, 0), rgbColor(50, 0, 7));
    EXPECT_EQ(strip.pixelColor(2, 49), rgbColor(99, 2, 7));
    copyStripRows(sheet, plan.strips[2], strip);
    ASSERT_EQ(strip.height(), 20);
    EXPECT_EQ(strip.pixelColor(1, 0), rgbColor(100, 1, 7));
    EXPECT_EQ(strip.pixelColor(1, 19), rgbColor(119, 1, 7));
}

} // namespace
} // namespace veltmoor
