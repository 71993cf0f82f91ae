#include "render/PictureCache.h"

#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "platform/PictureTestHelpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <new>

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

// The budget bounds what is decoded at once and kept, not the size of one picture: one
// larger than it is decoded alone.
TEST_F(PictureCacheTest, PrefetchDecodesAPictureLargerThanTheBudgetAlone) {
    PictureCache small(1000);
    writeBmp24(path("fits.bmp"), Bitmap(20, 20));
    writeBmp24(path("wide.bmp"), Bitmap(40, 30));
    writeBmp24(path("tall.bmp"), Bitmap(30, 35));
    writeJpeg(path("photo.jpg"), Bitmap(240, 240)); // an eighth of it fits
    small.prefetch({{path("fits.bmp"), 0, 0},
                    {path("tall.bmp"), 0, 0},
                    {path("wide.bmp"), 0, 0},
                    {path("photo.jpg"), 30, 30}});
    EXPECT_EQ(small.decodeCount(), 4);
    const auto photo = small.picture(path("photo.jpg"), 30, 30);
    EXPECT_EQ(photo->bitmap.width(), 30) << "the JPEG once, at the reduced size asked for";
    EXPECT_EQ(photo->width, 240);
    EXPECT_EQ(small.decodeCount(), 4);
    EXPECT_EQ(small.picture(path("wide.bmp"), 0, 0)->bitmap.width(), 40);
}

// Two decodes that fit the budget but not the memory: the decoding thread's std::bad_alloc
// must reach the caller as a sentence naming the picture, not end the program. Run in a
// child under an address-space limit.
TEST_F(PictureCacheTest, PrefetchCarriesADecodingThreadsFailureBackToTheCaller) {
    if (testing::kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
    }
    for (const char* name : {"a.bmp", "b.bmp"}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(testing::claimingRunLengthBitmap(14000, 14000));
    }
    constexpr int kTooLarge = 3;
    const int status = testing::exitStatusUnderMemoryLimit(1536ul << 20, [&] {
        PictureCache roomy(500'000'000);
        try {
            roomy.prefetch({{path("a.bmp"), 0, 0}, {path("b.bmp"), 0, 0}});
        } catch (const UserError& error) {
            _exit(error.message().contains(QLatin1String("too large for the memory")) ? kTooLarge
                                                                                      : 4);
        }
    });
    EXPECT_EQ(status, kTooLarge);
}

} // namespace
} // namespace veltmoor
