#include "render/TagCompositor.h"

#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

constexpr PageMetrics kLetterAt600{4800, 6300, 600, 600};

TEST(PicturePlacement, FitScaleAndPlace) {
    // A square picture on a 2 x 4 inch tag fits its width.
    PicturePlacement placement = placePicture(1000, 1000, 400, 800, 100, 50, 50);
    EXPECT_EQ(placement.picture, (Rect{0, 200, 400, 600}));
    placement = placePicture(1000, 1000, 400, 800, 100, 50, 0);
    EXPECT_EQ(placement.picture, (Rect{0, -200, 400, 200}));
    // Twice the fitted size, centred, reaching past the tag's edges.
    placement = placePicture(1000, 1000, 400, 800, 200, 50, 50);
    EXPECT_EQ(placement.picture, (Rect{-200, 0, 600, 800}));
    // No size at all leaves an empty rectangle in the centre.
    placement = placePicture(1000, 1000, 400, 800, 0, 50, 50);
    EXPECT_TRUE(placement.picture.isEmpty());
    // A tall picture on a wide tag fits its height: 300 x 600 on 1000 x 100 -> 50 x 100.
    placement = placePicture(300, 600, 1000, 100, 100, 50, 50);
    EXPECT_EQ(placement.picture, (Rect{475, 0, 525, 100}));
    // Each percent away from 50 moves the picture a hundredth of the tag.
    placement = placePicture(1000, 1000, 400, 800, 100, 60, 50);
    EXPECT_EQ(placement.picture.left, 40);
}

TEST(PicturePlacement, HugePicturesDoNotOverflow) {
    const PicturePlacement placement = placePicture(20000, 10000, 1000, 1000, 200, 50, 50);
    EXPECT_EQ(placement.fitted.width(), 1000);
    EXPECT_EQ(placement.fitted.height(), 500);
    EXPECT_EQ(placement.picture.width(), 2000);
}

TEST(PreviewRect, KeepsTheTagsProportionsWithTheLargerSide350) {
    EXPECT_EQ(previewRectFor(1000, 100), (Rect{0, 0, 350, 35}));
    EXPECT_EQ(previewRectFor(400, 800), (Rect{0, 0, 175, 350}));
    EXPECT_EQ(previewRectFor(500, 500), (Rect{0, 0, 350, 350}));
}

TEST(CutLineWidth, ThinOnPaperBoldInTheSheetPreview) {
    EXPECT_EQ(cutLineWidth(RenderMode::Print, true), 1);
    EXPECT_EQ(cutLineWidth(RenderMode::Preview, true), 1);
    EXPECT_EQ(cutLineWidth(RenderMode::Preview, false), 10);
    EXPECT_EQ(cutLineWidth(RenderMode::Single, false), 3);
}

class Composition : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        picturePath_ = folder_.filePath(QStringLiteral("blue.bmp"));
        writeBmp24(picturePath_, Bitmap(100, 100, clBlue));
        input_.slotNumber = 1;
        input_.slot.FileName = picturePath_;
        input_.slot.SourceFileName = picturePath_;
        input_.page = kLetterAt600;
        input_.settings.shapeIndex = kShapeRectangle;
        input_.settings.cutLineType = kCutLineNone;
        input_.settings.hole.noHole = true;
    }

    ComposedTag compose() { return DrawTagReal(input_, pictures_); }

    QTemporaryDir folder_;
    QString picturePath_;
    TagCompositionInput input_;
    PictureCache pictures_;
};

TEST_F(Composition, BackgroundAroundTheFittedPicture) {
    const ComposedTag result = compose();
    ASSERT_TRUE(result.composed);
    ASSERT_EQ(result.tag.width(), 400);
    ASSERT_EQ(result.tag.height(), 800);
    EXPECT_EQ(result.tag.pixelColor(200, 100), clWhite);
    EXPECT_EQ(result.tag.pixelColor(200, 199), clWhite);
    EXPECT_EQ(result.tag.pixelColor(200, 200), clBlue);
    EXPECT_EQ(result.tag.pixelColor(200, 599), clBlue);
    EXPECT_EQ(result.tag.pixelColor(200, 600), clWhite);
    EXPECT_EQ(result.PreviewRect, (Rect{0, 0, 175, 350}));
    EXPECT_EQ(result.grid.TagsAcross, 4);
    EXPECT_EQ(result.grid.SheetMarginY, 250);
    EXPECT_EQ(result.sizeLabel, "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4");
    EXPECT_EQ(result.fileLabel, picturePath_);
    const Bitmap floating = result.floatingImage();
    EXPECT_EQ(floating.width(), 200);
    EXPECT_EQ(floating.height(), 400);
    EXPECT_EQ(floating.pixelColor(100, 200), clBlue);
}

TEST_F(Composition, BackgroundColourFillsTheShape) {
    input_.slot.BackgroundColor = rgbColor(255, 255, 0);
    input_.slot.ImageSize = 0;
    const ComposedTag result = compose();
    EXPECT_EQ(result.tag.pixelColor(200, 400), rgbColor(255, 255, 0)) << "no picture at size 0";
    EXPECT_EQ(result.tag.pixelColor(5, 5), rgbColor(255, 255, 0));
}

TEST_F(Composition, PictureIsCutAtTheTagsEdges) {
    input_.slot.ImageSize = 200;
    const ComposedTag result = compose();
    EXPECT_EQ(result.tag.pixelColor(0, 400), clBlue);
    EXPECT_EQ(result.tag.pixelColor(399, 0), clBlue);
    EXPECT_EQ(result.tag.pixelColor(399, 799), clBlue);
}

TEST_F(Composition, CutLineWidthFollowsTheMode) {
    input_.settings.cutLineType = kCutLineThin;
    input_.slot.CutLineColor = clRed;
    input_.slot.ImageSize = 0;
    // The rectangle's left side runs along column 0; a wide pen is centred on it.
    const auto redColumns = [&](const ComposedTag& composed) {
        int count = 0;
        while (count < 20 && composed.tag.pixelColor(count, 400) == clRed) {
            ++count;
        }
        return count;
    };
    EXPECT_EQ(redColumns(compose()), 2) << "3 dots wide on screen, half of it off the tag";
    input_.mode = RenderMode::Preview;
    const int previewColumns = redColumns(compose());
    EXPECT_GE(previewColumns, 5);
    EXPECT_LE(previewColumns, 6);
    input_.Printing = true;
    EXPECT_EQ(redColumns(compose()), 1);
}

TEST_F(Composition, BlankSheetLeavesTheHoleInteriorAsTheOutsideMarker) {
    input_.settings.shapeIndex = kShapeStandard;
    input_.settings.hole.noHole = false;
    input_.settings.blankSheet = true;
    const ComposedTag result = compose();
    // The default hole is the circle (188, 36, 212, 60) around (200, 48).
    EXPECT_EQ(result.tag.pixelColor(200, 48), resolveSystemColor(clBtnFace));
    EXPECT_EQ(result.tag.pixelColor(200, 400), clWhite) << "no picture on a blank sheet";
    EXPECT_EQ(result.tag.pixelColor(0, 0), clWhite) << "cut corner whitened";
}

TEST_F(Composition, PictureShowsInsideTheHole) {
    input_.settings.shapeIndex = kShapeStandard;
    input_.settings.hole.noHole = false;
    input_.slot.ImageVerticalOffset = 0; // picture over the top of the tag, hole included
    const ComposedTag result = compose();
    EXPECT_EQ(result.tag.pixelColor(200, 48), clBlue);
}

TEST_F(Composition, MissingPictureComposesNothing) {
    input_.slot.FileName = folder_.filePath(QStringLiteral("gone.bmp"));
    EXPECT_FALSE(compose().composed);
    input_.slot.FileName.clear();
    EXPECT_FALSE(compose().composed);
}

TEST_F(Composition, UnreadablePictureIsAnError) {
    const QString broken = folder_.filePath(QStringLiteral("broken.bmp"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap");
    file.close();
    input_.slot.FileName = broken;
    EXPECT_THROW(compose(), UserError);
}

TEST_F(Composition, SampleSlotUsesTheBuiltInPicture) {
    input_.slotNumber = 0;
    input_.slot.FileName.clear();
    const ComposedTag result = compose();
    ASSERT_TRUE(result.composed);
    EXPECT_NE(result.tag.pixelColor(200, 400), clWhite);
}

TEST_F(Composition, PictureIsDecodedOnceWhileTheFileIsUnchanged) {
    compose();
    compose();
    input_.slot.ImageSize = 150;
    compose();
    EXPECT_EQ(pictures_.decodeCount(), 1) << "a 100 x 100 bitmap is always kept whole";
}

} // namespace
} // namespace veltmoor
