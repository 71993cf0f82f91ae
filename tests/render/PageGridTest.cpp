#include "render/PageGrid.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

constexpr PageMetrics kLetterAt600{4800, 6300, 600, 600}; // 8 x 10.5 printable inches

TEST(PageGrid, DefaultTagOnALetterPage) {
    const PageGrid grid = computePageGrid(kLetterAt600, 400, 800);
    EXPECT_EQ(grid.SheetWidth, 1600);
    EXPECT_EQ(grid.SheetHeight, 2100);
    EXPECT_EQ(grid.TagsAcross, 4);
    EXPECT_EQ(grid.TagsDown, 2);
    EXPECT_EQ(grid.SheetMarginX, 0);
    EXPECT_EQ(grid.SheetMarginY, 250);
    EXPECT_EQ(sizeLabelText(400, 800, grid),
              "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4");
}

TEST(PageGrid, SmallestTagAndOddWidths) {
    const PageGrid small = computePageGrid(kLetterAt600, 100, 100);
    EXPECT_EQ(small.TagsAcross, 16);
    EXPECT_EQ(small.TagsDown, 21);
    EXPECT_EQ(small.SheetMarginX, 0);
    EXPECT_EQ(small.SheetMarginY, 0);
    EXPECT_EQ(sizeLabelText(100, 100, small),
              "Tag Width = 0.50 Height = 0.50 Tags Down = 21 Across = 16");

    // 4803 printer dots at 600 dpi are 1601 tag dots; the odd dot goes to the right.
    const PageGrid odd = computePageGrid({4803, 6300, 600, 600}, 400, 800);
    EXPECT_EQ(odd.SheetWidth, 1601);
    EXPECT_EQ(odd.TagsAcross, 4);
    EXPECT_EQ(odd.SheetMarginX, 0);
}

TEST(PageGrid, EightByTenInchesFromTheLabelExample) {
    const PageGrid grid = computePageGrid({2400, 3000, 300, 300}, 400, 800);
    EXPECT_EQ(sizeLabelText(400, 800, grid),
              "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4");
}

TEST(PageGrid, UnequalResolutionsUseTheirOwnAxis) {
    const PageGrid grid = computePageGrid({2400, 6300, 300, 600}, 400, 800);
    EXPECT_EQ(grid.SheetWidth, 1600);
    EXPECT_EQ(grid.SheetHeight, 2100);
}

TEST(PageGrid, TagLargerThanThePageIsSaidSo) {
    const PageGrid grid = computePageGrid({600, 600, 600, 600}, 1000, 1000);
    EXPECT_FALSE(grid.tagFits());
    EXPECT_EQ(grid.TagsAcross, 0);
    EXPECT_EQ(sizeLabelText(1000, 1000, grid),
              "Tag Width = 5.00 Height = 5.00 Tags Down = 0 Across = 0 (the tag does not fit "
              "the printable page)");
}

TEST(PageGrid, NoResolutionGivesAnEmptyPageInsteadOfDividingByZero) {
    const PageGrid grid = computePageGrid({4800, 6300, 0, 0}, 400, 800);
    EXPECT_EQ(grid.SheetWidth, 0);
    EXPECT_EQ(grid.SheetHeight, 0);
    EXPECT_FALSE(grid.tagFits());
}

TEST(InchText, PadsToThreeDigitsWithThePointBeforeTheLastTwo) {
    EXPECT_EQ(inchText(50), "0.50");
    EXPECT_EQ(inchText(200), "2.00");
    EXPECT_EQ(inchText(500), "5.00");
    EXPECT_EQ(inchText(5), "0.05");
    EXPECT_EQ(inchText(0), "0.00");
    EXPECT_EQ(inchText(1234), "12.34");
}

} // namespace
} // namespace veltmoor
