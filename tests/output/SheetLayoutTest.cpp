#include "output/SheetLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace veltmoor {
namespace {

constexpr PageMetrics kLetterAt600{4800, 6300, 600, 600}; // a 1600 x 2100 tag-dot sheet

std::vector<int> slotOrder(const std::vector<TagPlacement>& placements) {
    std::vector<int> order;
    for (const TagPlacement& placement : placements) {
        order.push_back(placement.slot);
    }
    return order;
}

TEST(TagPlacement, FourAcrossContinueTheCycleIntoTheNextRow) {
    const PageGrid grid = computePageGrid(kLetterAt600, 400, 800);
    const auto placements = placeTags(PicturedSlots::of({1, 2, 4}), grid, 400, 800);
    const std::vector<TagPlacement> expected{
        {1, 0, 250},  {2, 400, 250},  {4, 800, 250},  {1, 1200, 250},
        {2, 0, 1050}, {4, 400, 1050}, {1, 800, 1050}, {2, 1200, 1050},
    };
    EXPECT_EQ(placements, expected);
}

TEST(TagPlacement, ThreeAcrossWithAMarginRepeatTheRow) {
    // 3900 printer dots make 1300 tag dots: three tags of 400 and 50 dots on each side.
    const PageGrid grid = computePageGrid({3900, 6300, 600, 600}, 400, 800);
    ASSERT_EQ(grid.TagsAcross, 3);
    ASSERT_EQ(grid.SheetMarginX, 50);
    const auto placements = placeTags(PicturedSlots::of({1, 2, 4}), grid, 400, 800);
    const std::vector<TagPlacement> expected{
        {1, 50, 250}, {2, 450, 250}, {4, 850, 250}, {1, 50, 1050}, {2, 450, 1050}, {4, 850, 1050},
    };
    EXPECT_EQ(placements, expected);
}

TEST(TagPlacement, TwoPicturesAlternateAcrossAndDown) {
    const PageGrid grid = computePageGrid({3600, 6300, 600, 600}, 400, 800);
    ASSERT_EQ(grid.TagsAcross, 3);
    const auto placements = placeTags(PicturedSlots::of({3, 7}), grid, 400, 800);
    EXPECT_EQ(slotOrder(placements), (std::vector<int>{3, 7, 3, 7, 3, 7}));
}

TEST(TagPlacement, SmallTagsFillTheWholeGridInReadingOrder) {
    const PageGrid grid = computePageGrid(kLetterAt600, 100, 100);
    const auto placements =
        placeTags(PicturedSlots::of({1, 2, 3, 4, 5, 6, 7, 8, 9}), grid, 100, 100);
    ASSERT_EQ(placements.size(), 16u * 21u);
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const int n = static_cast<int>(i);
        EXPECT_EQ(placements[i], (TagPlacement{n % 9 + 1, n % 16 * 100, n / 16 * 100}))
            << "tag " << i;
    }
}

TEST(TagPlacement, OddSheetWidthKeepsTheOddDotOnTheRight) {
    const PageGrid grid = computePageGrid({4803, 6300, 600, 600}, 400, 800);
    ASSERT_EQ(grid.SheetWidth, 1601);
    const auto placements = placeTags(PicturedSlots::of({5}), grid, 400, 800);
    ASSERT_EQ(placements.size(), 8u);
    EXPECT_EQ(placements[3], (TagPlacement{5, 1200, 250}));
    EXPECT_EQ(placements[4], (TagPlacement{5, 0, 1050}));
}

TEST(TagPlacement, NoPictureLeavesTheSheetEmpty) {
    const PageGrid grid = computePageGrid(kLetterAt600, 400, 800);
    EXPECT_TRUE(placeTags(PicturedSlots{}, grid, 400, 800).empty());
    // Slots 0 and 10 are not on the sheet.
    EXPECT_TRUE(placeTags(PicturedSlots::of({0, 10}), grid, 400, 800).empty());
}

TEST(TagPlacement, TagLargerThanThePrintableAreaIsNotPlaced) {
    const PageGrid narrow = computePageGrid({600, 6300, 600, 600}, 400, 800); // 200 dots wide
    ASSERT_EQ(narrow.TagsAcross, 0);
    EXPECT_TRUE(placeTags(PicturedSlots::of({1}), narrow, 400, 800).empty());

    const PageGrid low = computePageGrid({4800, 2100, 600, 600}, 400, 800); // 700 dots high
    ASSERT_EQ(low.TagsAcross, 4);
    ASSERT_EQ(low.TagsDown, 0);
    EXPECT_TRUE(placeTags(PicturedSlots::of({1}), low, 400, 800).empty());
}

TEST(PicturedSlots, ASlotHoldsAPictureWhenItNamesAFile) {
    std::array<img, 16> table;
    table[0].FileName = QStringLiteral("sample.bmp");
    table[2].FileName = QStringLiteral("b.jpg");
    table[5].FileName = QStringLiteral("e.bmp");
    table[10].FileName = QStringLiteral("never.bmp");
    const PicturedSlots pictured = PicturedSlots::fromSlots(table);
    for (int slot = 0; slot <= 10; ++slot) {
        EXPECT_EQ(pictured.holds(slot), slot == 2 || slot == 5) << "slot " << slot;
    }

    std::array<img, 4> shortTable;
    shortTable[3].FileName = QStringLiteral("c.bmp");
    const PicturedSlots fromShort = PicturedSlots::fromSlots(shortTable);
    EXPECT_TRUE(fromShort.holds(3));
    EXPECT_FALSE(fromShort.holds(4));
}

TEST(SheetPreview, LetterSheetShrinksBySixIntoTheTopLeft) {
    const SheetPreviewReduction reduction = sheetPreviewReduction(1600, 2100, 583, 389);
    EXPECT_EQ(reduction.factor, 6); // max(2, 5) + 1
    EXPECT_EQ(reduction.area, (Rect{0, 0, 266, 350}));
}

TEST(SheetPreview, FactorIsAlwaysLargerThanTheWholeQuotient) {
    // 583 / 583 = 1: a factor of 1 would fill the area exactly, but the design adds one.
    EXPECT_EQ(sheetPreviewReduction(583, 100, 583, 389).factor, 2);
    EXPECT_EQ(sheetPreviewReduction(100, 100, 583, 389).factor, 1);
    EXPECT_EQ(sheetPreviewReduction(100, 100, 583, 389).area, (Rect{0, 0, 100, 100}));
}

TEST(SheetPreview, EmptyPreviewAreaDrawsNothing) {
    EXPECT_EQ(sheetPreviewReduction(1600, 2100, 0, 389), SheetPreviewReduction{});
    EXPECT_EQ(sheetPreviewReduction(1600, 2100, 583, -1), SheetPreviewReduction{});
}

} // namespace
} // namespace veltmoor
