#include "design/SlotColoring.h"
#include "images/ColorizeBitmap.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

class SlotColoring : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        work = folder.filePath(QStringLiteral("work"));
        qputenv("VELTMOOR_WORKING_FOLDER", work.toUtf8());
        picture = Bitmap(30, 20, rgbColor(200, 40, 10));
        picture.setPixelColor(3, 4, clBlue);
        source = folder.filePath(QStringLiteral("photo.bmp"));
        writeBmp24(source, picture);
        design = TagDesign::atFirstActivation();
        design.setSlotPicture(6, source, source);
    }
    void TearDown() override { qunsetenv("VELTMOOR_WORKING_FOLDER"); }

    const img& slot() const { return design.slot(6); }

    QTemporaryDir folder;
    QString work;
    QString source;
    Bitmap picture;
    TagDesign design;
};

TEST_F(SlotColoring, UsingAColouringWritesTheCopyAndCancellingReturnsToThePicture) {
    const ColoredSlotPicture used = UseColoredImage(design, 6, 3);
    EXPECT_EQ(used.redraw, Redraw::Scheduled);
    EXPECT_EQ(slot().ColoringType, 3);
    EXPECT_EQ(QFileInfo(slot().FileName).absolutePath(), work);
    EXPECT_TRUE(QFileInfo(slot().FileName).fileName().startsWith(QLatin1String("~~6-")));
    // Colouring again starts from the picture the user chose, not from the copy.
    UseColoredImage(design, 6, 8);
    EXPECT_EQ(readPicture(slot().FileName).bitmap, ColorizeBitmap(picture, 8).toBitmap());

    EXPECT_EQ(CancelColoringImage(design, 6), Redraw::Scheduled);
    EXPECT_EQ(slot().ColoringType, kNotTinted);
    EXPECT_EQ(slot().FileName, source);
}

TEST_F(SlotColoring, ACopyThatCannotBeWrittenLeavesTheSlotAsItWas) {
    UseColoredImage(design, 6, 0);
    const img before = slot();
    // The working folder's place is taken by a file.
    QDir(work).removeRecursively();
    QFile blocker(work);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(UseColoredImage(design, 6, 4), UserError);
    EXPECT_EQ(slot().FileName, before.FileName);
    EXPECT_EQ(slot().ColoringType, 0);

    // So does a picture that has gone.
    QFile::remove(work);
    QFile::remove(source);
    EXPECT_THROW(UseColoredImage(design, 6, 4), UserError);
    EXPECT_EQ(slot().FileName, before.FileName);
    EXPECT_EQ(slot().ColoringType, 0);
}

} // namespace
} // namespace veltmoor
