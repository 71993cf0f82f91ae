#include "render/TagText.h"

#include "TextHandMeasure.h"

#include <gtest/gtest.h>

#include <limits>

namespace veltmoor {

// Readable failures: which string went where in which face and size.
static void PrintTo(const TagTextDraw& draw, std::ostream* out) {
    *out << '"' << draw.text.toStdString() << "\" at (" << draw.x << ", " << draw.y << ") "
         << draw.font.name.toStdString() << ' ' << draw.font.sizePoints << " colour "
         << draw.font.color;
}

namespace {

using testing::HandMeasure;

// By hand with HandMeasure and the default fonts, all drawn at twice their size:
//   text block, Times New Roman 20 bold: 11 a character, 22 high;
//   corner text, Times New Roman 36 bold: 19 a character, 38 high;
//   edge text, Arial 20 bold: 11 a character, 'W' 21, 'i' 6, 22 high.
// On a 400 x 800 tag the margins are L = 25, T = 25, R = 375, B = 775.
constexpr int W = 400;
constexpr int H = 800;

const Font kBlockFont{QStringLiteral("Times New Roman"), 20, {.bold = true}, clGreen};
const Font kCornerFont{QStringLiteral("Times New Roman"), 36, {.bold = true}, clBlue};
const Font kEdgeFont{QStringLiteral("Arial"), 20, {.bold = true}, clAqua};

struct TagTextCase : ::testing::Test {
    TagTextCase() {
        slot.TextBlockColor = clGreen;
        slot.TextColor = clAqua;
        slot.ValueColor = clRed; // the corner text takes its colour from the corner font
        settings.valueFont.color = clBlue;
    }

    std::vector<TagTextDraw> layout(int width = W, int height = H) const {
        return layoutTagText(width, height, slot, settings, measure);
    }

    img slot;
    TagSettings settings;
    HandMeasure measure;
};

using TextBlockPlacement = TagTextCase;

TEST_F(TextBlockPlacement, LeftLinesStartAtTheOffsetsOneXHeightApart) {
    settings.textBlockAlignment = kAlignLeft;
    slot.TextBlockText = QStringLiteral("ab\r\ncd\r\nef");
    // 30 % of 400 and 90 % of 800.
    const std::vector<TagTextDraw> expected{{QStringLiteral("ab"), 120, 720, kBlockFont},
                                            {QStringLiteral("cd"), 120, 742, kBlockFont},
                                            {QStringLiteral("ef"), 120, 764, kBlockFont}};
    EXPECT_EQ(layout(), expected);

    // 33 % of 333 is 109.89 and 7 % of 150 is 10.5: both truncate.
    settings.textBlockWidthOffset = 33;
    settings.textBlockHeightOffset = 7;
    slot.TextBlockText = QStringLiteral("ab");
    const std::vector<TagTextDraw> truncated{{QStringLiteral("ab"), 109, 10, kBlockFont}};
    EXPECT_EQ(layout(333, 150), truncated);
}

TEST_F(TextBlockPlacement, CentreAndRightAlignOnTheMeasuredBlockWidth) {
    settings.TextBlockWidth = 100;
    slot.TextBlockText = QStringLiteral("ab\r\nabc\r\nabcd"); // 22, 33 and 44 wide

    settings.textBlockAlignment = kAlignCenter;
    const std::vector<TagTextDraw> centred{{QStringLiteral("ab"), 120 + 39, 720, kBlockFont},
                                           {QStringLiteral("abc"), 120 + 33, 742, kBlockFont},
                                           {QStringLiteral("abcd"), 120 + 28, 764, kBlockFont}};
    EXPECT_EQ(layout(), centred);

    settings.textBlockAlignment = kAlignRight;
    const std::vector<TagTextDraw> right{{QStringLiteral("ab"), 198, 720, kBlockFont},
                                         {QStringLiteral("abc"), 187, 742, kBlockFont},
                                         {QStringLiteral("abcd"), 176, 764, kBlockFont}};
    EXPECT_EQ(layout(), right);
}

TEST_F(TextBlockPlacement, AnUnmeasuredBlockWidthShiftsLinesLeftTruncatingTowardZero) {
    // The width is only measured when the text changes; 0 puts a centred line half its
    // width left of the offset: (0 - 33) / 2 is -16, not -17.
    settings.TextBlockWidth = 0;
    slot.TextBlockText = QStringLiteral("abc");
    settings.textBlockAlignment = kAlignCenter;
    ASSERT_EQ(layout().size(), 1u);
    EXPECT_EQ(layout()[0].x, 104);
    settings.textBlockAlignment = kAlignRight;
    EXPECT_EQ(layout()[0].x, 87);
}

TEST_F(TextBlockPlacement, EmptyLinesKeepTheirStepAndLongLinesWrapInTheMemoFont) {
    settings.textBlockAlignment = kAlignLeft;
    slot.TextBlockText = QStringLiteral("ab\r\n\r\ncd\r\n");
    const std::vector<TagTextDraw> gap{{QStringLiteral("ab"), 120, 720, kBlockFont},
                                       {QStringLiteral("cd"), 120, 764, kBlockFont}};
    EXPECT_EQ(layout(), gap);

    // The memo font fits 68 characters in its 273 dots (4 each by hand), however wide
    // they are in the block font.
    slot.TextBlockText = QString(100, u'a');
    const std::vector<TagTextDraw> wrapped{{QString(68, u'a'), 120, 720, kBlockFont},
                                           {QString(32, u'a'), 120, 742, kBlockFont}};
    EXPECT_EQ(layout(), wrapped);
}

TEST_F(TextBlockPlacement, NoAlignmentChosenDrawsNoBlock) {
    settings.textBlockAlignment = -1;
    slot.TextBlockText = QStringLiteral("ab");
    EXPECT_TRUE(layout().empty());
}

using CornerTextPlacement = TagTextCase;

TEST_F(CornerTextPlacement, EachCornerInsideTheMargins) {
    slot.ValueText = QStringLiteral("12"); // 38 wide, 'X' 38 high
    const struct {
        int corner;
        int x;
        int y;
    } cases[] = {{kCornerUL, 26, 26},
                 {kCornerLL, 26, 775 - 38 - 1},
                 {kCornerUR, 375 - 38, 26},
                 {kCornerLR, 375 - 38, 775 - 38 - 1}};
    for (const auto& c : cases) {
        settings.valuePlace = c.corner;
        const std::vector<TagTextDraw> expected{{QStringLiteral("12"), c.x, c.y, kCornerFont}};
        EXPECT_EQ(layout(), expected) << "corner " << c.corner;
    }
}

TEST_F(CornerTextPlacement, FontKeepsFaceAndStyleAtTwiceTheSize) {
    slot.ValueText = QStringLiteral("12");
    settings.valueFont =
        Font{QStringLiteral("Arial"), 11, {.italic = true, .underline = true}, clWindowText};
    const std::vector<TagTextDraw> draws = layout();
    ASSERT_EQ(draws.size(), 1u);
    const Font expected{
        QStringLiteral("Arial"), 22, {.italic = true, .underline = true}, clWindowText};
    EXPECT_EQ(draws[0].font, expected);
    // 11 a character at 22 points, not bold: the right end still meets the margin.
    EXPECT_EQ(draws[0].x, 375 - 22);
}

using EdgeTextPlacement = TagTextCase;

TEST_F(EdgeTextPlacement, DefaultRightColumnStartsBelowTheUpperRightCornerText) {
    slot.ValueText = QStringLiteral("12");
    slot.EdgeText = QStringLiteral("Hi");
    // Axis 375 - 21 / 2 = 365; step 22 - 3 = 19; first letter at 25 + 38 + 1 = 64.
    // 'H' (11 wide) at 365 - 5, 'i' (6 wide) at 365 - 3.
    const std::vector<TagTextDraw> expected{{QStringLiteral("12"), 337, 26, kCornerFont},
                                            {QStringLiteral("H"), 360, 64, kEdgeFont},
                                            {QStringLiteral("i"), 362, 83, kEdgeFont}};
    EXPECT_EQ(layout(), expected);
}

TEST_F(EdgeTextPlacement, ColumnsEndAboveALowerCornerAndAreCentredOtherwise) {
    slot.ValueText = QStringLiteral("12");
    slot.EdgeText = QStringLiteral("Hi"); // two letters: 38 high in all
    const struct {
        int edge;
        int corner;
        int hX;
        int iX;
        int y0;
    } cases[] = {
        {kEdgeRight, kCornerLR, 360, 362, 775 - 38 - 38 - 1},   // 698
        {kEdgeRight, kCornerUL, 360, 362, 25 + (750 - 38) / 2}, // 381
        {kEdgeRight, kCornerLL, 360, 362, 381},
        {kEdgeLeft, kCornerUL, 30, 32, 64}, // axis 25 + 10 = 35
        {kEdgeLeft, kCornerLL, 30, 32, 698},
        {kEdgeLeft, kCornerUR, 30, 32, 381},
        {kEdgeLeft, kCornerLR, 30, 32, 381},
    };
    for (const auto& c : cases) {
        settings.edgePlace = c.edge;
        settings.valuePlace = c.corner;
        const std::vector<TagTextDraw> draws = layout();
        ASSERT_EQ(draws.size(), 3u);
        const std::vector<TagTextDraw> column{{QStringLiteral("H"), c.hX, c.y0, kEdgeFont},
                                              {QStringLiteral("i"), c.iX, c.y0 + 19, kEdgeFont}};
        EXPECT_EQ(std::vector<TagTextDraw>(draws.begin() + 1, draws.end()), column)
            << "edge " << c.edge << " corner " << c.corner;
    }
}

TEST_F(EdgeTextPlacement, ColumnLettersAreWhatTheReaderSeesAsOneCharacter) {
    settings.valuePlace = kCornerLR;
    // e with a combining acute is two code units but one letter; the blank takes a step.
    slot.EdgeText = QString::fromUtf8("e\xCC\x81 x");
    // Three letters, 57 high: first at 775 - 38 - 57 - 1 = 679. "e" + accent is 22 wide
    // by hand, so it sits at 365 - 11.
    const std::vector<TagTextDraw> expected{{QString::fromUtf8("e\xCC\x81"), 354, 679, kEdgeFont},
                                            {QStringLiteral(" "), 360, 698, kEdgeFont},
                                            {QStringLiteral("x"), 360, 717, kEdgeFont}};
    EXPECT_EQ(layout(), expected);
}

TEST_F(EdgeTextPlacement, TopAndBottomFollowOrPrecedeTheCornerTextOnTheirEdge) {
    slot.ValueText = QStringLiteral("12"); // 38 wide
    slot.EdgeText = QStringLiteral("Tag"); // 33 wide, 22 high
    const struct {
        int edge;
        int corner;
        int x;
        int y;
    } cases[] = {
        {kEdgeTop, kCornerUL, 25 + 38, 26},
        {kEdgeTop, kCornerUR, 375 - 38 - 33 - 1, 26},   // 303
        {kEdgeTop, kCornerLL, 25 + (350 - 33) / 2, 26}, // 183, centred
        {kEdgeTop, kCornerLR, 183, 26},
        {kEdgeBottom, kCornerLL, 63, 775 - 22 - 1}, // 752
        {kEdgeBottom, kCornerLR, 303, 752},
        {kEdgeBottom, kCornerUL, 183, 752},
        {kEdgeBottom, kCornerUR, 183, 752},
    };
    for (const auto& c : cases) {
        settings.edgePlace = c.edge;
        settings.valuePlace = c.corner;
        const std::vector<TagTextDraw> draws = layout();
        ASSERT_EQ(draws.size(), 2u);
        EXPECT_EQ(draws[1], (TagTextDraw{QStringLiteral("Tag"), c.x, c.y, kEdgeFont}))
            << "edge " << c.edge << " corner " << c.corner;
    }
}

TEST_F(EdgeTextPlacement, WithoutCornerTextTheAlignedEdgeTextMeetsTheMargin) {
    slot.EdgeText = QStringLiteral("Tag");
    settings.edgePlace = kEdgeTop;
    settings.valuePlace = kCornerUL;
    const std::vector<TagTextDraw> left{{QStringLiteral("Tag"), 25, 26, kEdgeFont}};
    EXPECT_EQ(layout(), left);
    settings.valuePlace = kCornerUR;
    const std::vector<TagTextDraw> right{{QStringLiteral("Tag"), 375 - 33 - 1, 26, kEdgeFont}};
    EXPECT_EQ(layout(), right);
}

TEST_F(EdgeTextPlacement, CentringBetweenCrossedMarginsTruncatesTowardZero) {
    // On a 40 dot tag R (15) lies left of L (25): 25 + (15 - 25 - 33) / 2 = 25 - 21.
    slot.EdgeText = QStringLiteral("Tag");
    settings.edgePlace = kEdgeTop;
    settings.valuePlace = kCornerLL;
    const std::vector<TagTextDraw> expected{{QStringLiteral("Tag"), 4, 26, kEdgeFont}};
    EXPECT_EQ(layout(40, 40), expected);
}

TEST_F(EdgeTextPlacement, NothingWithoutTextOrWithoutAnEdge) {
    settings.edgePlace = kEdgeTop;
    EXPECT_TRUE(layout().empty());
    slot.EdgeText = QStringLiteral("Tag");
    settings.edgePlace = -1;
    EXPECT_TRUE(layout().empty());
}

using TagTextLayoutOrder = TagTextCase;

TEST_F(TagTextLayoutOrder, BlockThenCornerThenEdgeSoTheEdgeTextLiesOnTop) {
    settings.textBlockAlignment = kAlignLeft;
    settings.edgePlace = kEdgeBottom;
    settings.valuePlace = kCornerUL;
    slot.TextBlockText = QStringLiteral("ab");
    slot.ValueText = QStringLiteral("12");
    slot.EdgeText = QStringLiteral("Tag");
    const std::vector<TagTextDraw> expected{{QStringLiteral("ab"), 120, 720, kBlockFont},
                                            {QStringLiteral("12"), 26, 26, kCornerFont},
                                            {QStringLiteral("Tag"), 183, 752, kEdgeFont}};
    EXPECT_EQ(layout(), expected);
}

TEST_F(TagTextLayoutOrder, AbsurdSettingsFromADamagedDesignStayFarOutsideTheTag) {
    constexpr int kMax = std::numeric_limits<int>::max();
    settings.textBlockAlignment = kAlignRight;
    settings.textBlockWidthOffset = kMax;
    settings.textBlockHeightOffset = -kMax;
    settings.TextBlockWidth = kMax;
    slot.TextBlockText = QStringLiteral("ab");
    const std::vector<TagTextDraw> draws = layout(1000, 1000);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_GE(draws[0].x, 1000);
    EXPECT_LT(draws[0].y, 0);
    EXPECT_EQ(doubledFontSize(kMax), kMax);
    EXPECT_EQ(doubledFontSize(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
    EXPECT_EQ(doubledFontSize(18), 36);
}

} // namespace
} // namespace veltmoor
