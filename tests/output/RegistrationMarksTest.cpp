#include "output/RegistrationMarks.h"

#include "output/PrinterMetrics.h"
#include "output/SheetLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltmoor {
namespace {

constexpr double kMmPerDot = 25.4 / 200;
// A mark's edge is placed to the nearest dot.
constexpr double kHalfDotMm = kMmPerDot / 2 + 1e-9;

// A place on the sheet in millimetres from the paper's edge (the built-in printer's
// printable area starts a quarter inch, 6.35 mm, in).
double paperMm(int sheetDots) {
    return 6.35 + sheetDots * kMmPerDot;
}

struct PaperCase {
    PaperChoice paper;
    double widthMm;
    double heightMm;
};

class MarksOnPaper : public ::testing::TestWithParam<PaperCase> {};

TEST_P(MarksOnPaper, ThreeMarkPositionsAndSizes) {
    const PaperCase paper = GetParam();
    const SheetPlan plan = planSheet(builtInPdfPrinterMetrics(paper.paper).pageMetrics(),
                                     CuttingMarks::ThreeMark, 200, 200);
    ASSERT_FALSE(plan.marksOutOfReach);
    ASSERT_EQ(plan.marks.size(), 5U); // the square and two brackets of two arms
    // The filled 5 mm square, 10 mm in from the top-left corner.
    const Rect square = plan.marks[0];
    EXPECT_NEAR(paperMm(square.left), 10, kHalfDotMm);
    EXPECT_NEAR(paperMm(square.top), 10, kHalfDotMm);
    EXPECT_NEAR(paperMm(square.right), 15, kHalfDotMm);
    EXPECT_NEAR(paperMm(square.bottom), 15, kHalfDotMm);
    // Top-right bracket: the horizontal arm ends 10 mm from the right edge, 20 mm long and
    // 0.3 mm thick; the vertical arm hangs 20 mm down from the same corner.
    const Rect topArm = plan.marks[1];
    const Rect sideArm = plan.marks[2];
    EXPECT_NEAR(paperMm(topArm.right), paper.widthMm - 10, kHalfDotMm);
    EXPECT_NEAR(paperMm(topArm.left), paper.widthMm - 30, kHalfDotMm);
    EXPECT_NEAR(paperMm(topArm.top), 10, kHalfDotMm);
    EXPECT_NEAR((topArm.bottom - topArm.top) * kMmPerDot, 0.3, 2 * kHalfDotMm);
    EXPECT_NEAR(paperMm(sideArm.bottom), 30, kHalfDotMm);
    EXPECT_NEAR((sideArm.right - sideArm.left) * kMmPerDot, 0.3, 2 * kHalfDotMm);
    // Bottom-left bracket: its corner 10 mm above the bottom edge. Between the marks' outer
    // corners: 190 x 277 mm on A4.
    const Rect bottomArm = plan.marks[3];
    EXPECT_NEAR(paperMm(bottomArm.bottom), paper.heightMm - 10, kHalfDotMm);
    EXPECT_NEAR((topArm.right - square.left) * kMmPerDot, paper.widthMm - 20, 2 * kHalfDotMm);
    EXPECT_NEAR((bottomArm.bottom - square.top) * kMmPerDot, paper.heightMm - 20, 2 * kHalfDotMm);
}

TEST_P(MarksOnPaper, TagsStayTwoMillimetresClearOfEveryMarkAndCentredBetweenThem) {
    const PaperCase paper = GetParam();
    const PageMetrics page = builtInPdfPrinterMetrics(paper.paper).pageMetrics();
    for (const CuttingMarks kind : {CuttingMarks::ThreeMark, CuttingMarks::FourMark}) {
        const SheetPlan plan = planSheet(page, kind, 200, 300);
        ASSERT_TRUE(plan.grid.tagFits());
        const std::vector<TagPlacement> tags =
            placeTags(PicturedSlots::of({1}), plan.grid, 200, 300);
        ASSERT_EQ(tags.size(), static_cast<std::size_t>(plan.grid.TagsAcross * plan.grid.TagsDown));
        const int clear = 16; // 2 mm is 15.75 dots
        for (const TagPlacement& tag : tags) {
            for (const Rect& mark : plan.marks) {
                const int apartX = std::max(mark.left - (tag.x + 200), tag.x - mark.right);
                const int apartY = std::max(mark.top - (tag.y + 300), tag.y - mark.bottom);
                EXPECT_GE(std::max(apartX, apartY), clear);
            }
        }
        // Centred between the marks, and so on the paper, to a dot.
        const PageGrid& grid = plan.grid;
        EXPECT_NEAR(paperMm(grid.SheetMarginX) + grid.TagsAcross * 200 * kMmPerDot / 2,
                    paper.widthMm / 2, 2 * kHalfDotMm);
        EXPECT_NEAR(paperMm(grid.SheetMarginY) + grid.TagsDown * 300 * kMmPerDot / 2,
                    paper.heightMm / 2, 2 * kHalfDotMm);
    }
}

INSTANTIATE_TEST_SUITE_P(A4AndLetter, MarksOnPaper,
                         ::testing::Values(PaperCase{PaperChoice::A4, 210, 297},
                                           PaperCase{PaperChoice::Letter, 215.9, 279.4}));

// 1.00 x 1.00 inch tags (25.4 mm) on A4. The grid may use the paper less the marks' inset
// (10 mm), their widest band along an edge and 2 mm on each side: 3-mark 210 - 2 * 17 =
// 176 mm across (6 tags), 263 mm down (10); 4-mark 185.4 mm (7) by 272.4 mm (10). Without
// marks the printable 197.3 x 284.3 mm hold 7 x 11.
TEST(SheetPlan, CountsFollowTheMarks) {
    const PageMetrics a4 = builtInPdfPrinterMetrics(PaperChoice::A4).pageMetrics();
    const SheetPlan none = planSheet(a4, CuttingMarks::None, 200, 200);
    EXPECT_EQ(none.sizeLabel, "Tag Width = 1.00 Height = 1.00 Tags Down = 11 Across = 7");
    const SheetPlan three = planSheet(a4, CuttingMarks::ThreeMark, 200, 200);
    EXPECT_EQ(three.sizeLabel, "Tag Width = 1.00 Height = 1.00 Tags Down = 10 Across = 6 (the "
                               "marks for the cutting machine take the room of 1 column and 1 "
                               "row)");
    const SheetPlan four = planSheet(a4, CuttingMarks::FourMark, 200, 200);
    EXPECT_EQ(four.sizeLabel, "Tag Width = 1.00 Height = 1.00 Tags Down = 10 Across = 7 (the "
                              "marks for the cutting machine take the room of 1 row)");
    EXPECT_EQ(four.marks.size(), 8U);
}

TEST(SheetPlan, WithoutMarksTheLayoutIsThePlainPageGrid) {
    const PageMetrics page{4800, 6300, 600, 600, 5100, 6600, 150, 150};
    const SheetPlan plan = planSheet(page, CuttingMarks::None, 400, 800);
    EXPECT_EQ(plan.grid, computePageGrid(page, 400, 800));
    EXPECT_EQ(plan.sizeLabel, sizeLabelText(400, 800, plan.grid));
    EXPECT_TRUE(plan.marks.empty());
    EXPECT_FALSE(plan.marksOutOfReach);
}

// A printer that keeps half an inch (12.7 mm) clear on every side cannot print a mark
// 10 mm from the edge: no marks, the plain grid, and the label says why.
TEST(SheetPlan, PrintableAreaShortOfTheMarksIsReportedInTheLabel) {
    const PageMetrics wideMargins{4500, 6000, 600, 600, 5100, 6600, 300, 300};
    const SheetPlan plan = planSheet(wideMargins, CuttingMarks::FourMark, 400, 800);
    EXPECT_TRUE(plan.marksOutOfReach);
    EXPECT_TRUE(plan.marks.empty());
    EXPECT_EQ(plan.grid, computePageGrid(wideMargins, 400, 800));
    EXPECT_EQ(plan.sizeLabel, "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 3 (the "
                              "printable area does not reach the marks for the cutting "
                              "machine, so none are printed)");
}

TEST(SheetPlan, MarksAreDrawnBlackOnTheSheet) {
    const PageMetrics a4 = builtInPdfPrinterMetrics(PaperChoice::A4).pageMetrics();
    const SheetPlan plan = planSheet(a4, CuttingMarks::ThreeMark, 200, 200);
    const PageGrid& grid = plan.grid;
    Bitmap sheet(grid.SheetWidth, grid.SheetHeight, clWhite);
    drawRegistrationMarks(sheet, plan);
    const Rect square = plan.marks[0];
    EXPECT_EQ(sheet.pixelColor(square.left, square.top), clBlack);
    EXPECT_EQ(sheet.pixelColor(square.right - 1, square.bottom - 1), clBlack);
    EXPECT_EQ(sheet.pixelColor(square.right, square.bottom), clWhite);
    EXPECT_EQ(sheet.pixelColor(square.left - 1, square.top), clWhite);
}

} // namespace
} // namespace veltmoor
