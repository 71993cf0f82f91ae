#include "render/PictureCache.h"

#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

class PictureCacheTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString path(const char* name) const { return folder_.filePath(QLatin1String(name)); }

    QTemporaryDir folder_;
    PictureCache cache_;
};

TEST_F(PictureCacheTest, ChangedFileIsDecodedAgain) {
    writeBmp24(path("a.bmp"), Bitmap(20, 10, clRed));
    EXPECT_EQ(cache_.picture(path("a.bmp"), 0, 0)->bitmap.pixelColor(0, 0), clRed);
    EXPECT_EQ(cache_.picture(path("a.bmp"), 0, 0)->bitmap.pixelColor(0, 0), clRed);
    EXPECT_EQ(cache_.decodeCount(), 1);
    // Another size makes the change visible even within the same second.
    writeBmp24(path("a.bmp"), Bitmap(30, 10, clBlue));
    const auto changed = cache_.picture(path("a.bmp"), 0, 0);
    EXPECT_EQ(changed->width, 30);
    EXPECT_EQ(changed->bitmap.pixelColor(0, 0), clBlue);
    EXPECT_EQ(cache_.decodeCount(), 2);
    EXPECT_EQ(cache_.size(), 1u);
}

TEST_F(PictureCacheTest, ReducedDecodeIsRedoneWhenALargerPictureIsNeeded) {
    // A JPEG may be decoded at an eighth; asking for more than that decodes it again.
    writeJpeg(path("p.jpg"), Bitmap(800, 400, clGreen));
    const auto small = cache_.picture(path("p.jpg"), 50, 25);
    EXPECT_EQ(small->width, 800) << "the true size, whatever the decode";
    EXPECT_LT(small->bitmap.width(), 800);
    EXPECT_GE(small->bitmap.width(), 50);
    cache_.picture(path("p.jpg"), 40, 20);
    EXPECT_EQ(cache_.decodeCount(), 1);
    const auto large = cache_.picture(path("p.jpg"), 700, 350);
    EXPECT_GE(large->bitmap.width(), 700);
    EXPECT_EQ(cache_.decodeCount(), 2);
    EXPECT_EQ(cache_.pictureSize(path("p.jpg")), QSize(800, 400));
}

TEST_F(PictureCacheTest, PrefetchDecodesEachPictureOnceAndLeavesErrorsToTheCaller) {
    writeBmp24(path("one.bmp"), Bitmap(10, 10, clRed));
    writeBmp24(path("two.bmp"), Bitmap(12, 10, clBlue));
    QFile broken(path("broken.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM but nothing else");
    broken.close();
    cache_.prefetch({{path("one.bmp"), 0, 0},
                     {path("two.bmp"), 0, 0},
                     {path("broken.bmp"), 0, 0},
                     {path("missing.bmp"), 0, 0}});
    EXPECT_EQ(cache_.decodeCount(), 2);
    EXPECT_EQ(cache_.picture(path("two.bmp"), 0, 0)->width, 12);
    EXPECT_EQ(cache_.decodeCount(), 2);
    EXPECT_THROW(cache_.picture(path("broken.bmp"), 0, 0), UserError);
    EXPECT_THROW(cache_.picture(path("missing.bmp"), 0, 0), UserError);
    cache_.prefetch({{path("one.bmp"), 0, 0}});
    EXPECT_EQ(cache_.decodeCount(), 2) << "kept pictures are not decoded again";
}

TEST_F(PictureCacheTest, StaysWithinItsBudgetButKeepsThePictureAskedFor) {
    PictureCache small(1000);
    writeBmp24(path("big.bmp"), Bitmap(40, 40));
    writeBmp24(path("other.bmp"), Bitmap(40, 40));
    small.picture(path("big.bmp"), 0, 0);
    small.picture(path("other.bmp"), 0, 0);
    EXPECT_EQ(small.size(), 1u);
    EXPECT_EQ(small.picture(path("other.bmp"), 0, 0)->width, 40);
    EXPECT_EQ(small.decodeCount(), 2);
}

} // namespace
} // namespace veltmoor
