#include "images/TintedCopy.h"
#include "images/ColorizeBitmap.h"
#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>

namespace veltmoor {
namespace {

TEST(FitPictureRect, ThePictureTouchesTheRightOrBottomEdgeFromTheTopLeft) {
    struct Case {
        int width, height, boxWidth, boxHeight;
        Rect expected;
    };
    for (const Case& c : {
             Case{400, 100, 350, 350, {0, 0, 350, 87}}, Case{100, 400, 350, 350, {0, 0, 87, 350}},
             Case{500, 500, 350, 350, {0, 0, 350, 350}},
             Case{4000, 3000, 350, 350, {0, 0, 350, 262}},
             Case{0, 0, 350, 350, {0, 0, 350, 350}}, // an empty picture counts as 1 x 1
             Case{1, 2, 350, 350, {0, 0, 200, 350}},
             Case{10, 10, 350, 350, {0, 0, 350, 350}},      // not 350 x 357 past the box
             Case{3'000'000, 10, 350, 350, {0, 0, 350, 0}}, // no 32-bit overflow
         }) {
        EXPECT_EQ(FitPictureRect(c.width, c.height, c.boxWidth, c.boxHeight), c.expected)
            << c.width << " x " << c.height;
    }
}

class TintedCopies : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("VELTMOOR_WORKING_FOLDER", folder.filePath(QStringLiteral("work")).toUtf8());
    }
    void TearDown() override { qunsetenv("VELTMOOR_WORKING_FOLDER"); }

    QString writeSource(const QString& name, const Bitmap& picture) {
        const QString path = folder.filePath(name);
        writeBmp24(path, picture);
        return path;
    }

    static Bitmap gradient(int width, int height) {
        Bitmap picture(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                picture.setPixel(x, y, pixelFromRgb(x * 255 / width, y * 255 / height, 90));
            }
        }
        return picture;
    }

    QTemporaryDir folder;
};

TEST_F(TintedCopies, TheCopyIsAnEightBitFileWithTheColouringsWholePalette) {
    const Bitmap picture = gradient(37, 11); // rows padded to 40 bytes
    const QString source = writeSource(QStringLiteral("photo.bmp"), picture);
    const QString copy = folder.filePath(QStringLiteral("~~3.bmp"));
    constexpr int kSepia = 0;
    const IndexedBitmap tinted = writeTintedCopy(source, kSepia, copy);
    EXPECT_EQ(tinted.indices, ColorizeBitmap(picture, kSepia).indices);

    const QImage viaQt(copy);
    ASSERT_FALSE(viaQt.isNull());
    EXPECT_EQ(viaQt.depth(), 8);
    ASSERT_EQ(viaQt.colorCount(), 256);
    const TintPalette palette = tintPaletteFor(kSepia);
    for (int i = 0; i < 256; ++i) {
        const TColor entry = palette[static_cast<std::size_t>(i)];
        EXPECT_EQ(viaQt.color(i), qRgb(redOf(entry), greenOf(entry), blueOf(entry))) << i;
    }
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            EXPECT_EQ(viaQt.pixelIndex(x, y), tinted.indices[static_cast<std::size_t>(y) * 37 + x]);
        }
    }

    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const IndexedBitmap viaOurs = decodeBmpIndexed(file.readAll(), copy);
    EXPECT_EQ(viaOurs.palette, palette);
    EXPECT_EQ(viaOurs.indices, tinted.indices);
}

TEST_F(TintedCopies, ThePreviewShowsTheTintedPictureInItsBoxOnWhite) {
    const Bitmap picture = gradient(350, 175);
    DecodedPicture source{picture, 350, 175};
    const Bitmap preview = tintPreview(source, 11);
    ASSERT_EQ(preview.width(), 350);
    ASSERT_EQ(preview.height(), 350);
    const Bitmap tinted = ColorizeBitmap(picture, 11).toBitmap();
    for (int y = 0; y < 350; y += 7) {
        for (int x = 0; x < 350; x += 5) {
            const Pixel expected = y < 175 ? tinted.pixel(x, y) : pixelFromRgb(255, 255, 255);
            ASSERT_EQ(preview.pixel(x, y), expected) << x << ", " << y;
        }
    }
    // A camera-sized picture: only the red ramp's colours, averaged, reach the box.
    const DecodedPicture large{gradient(2400, 1600), 2400, 1600};
    const Bitmap shrunk = tintPreview(large, 11);
    EXPECT_EQ(greenOfPixel(shrunk.pixel(200, 100)), 0);
    EXPECT_GT(redOfPixel(shrunk.pixel(300, 100)), redOfPixel(shrunk.pixel(10, 100)));
    EXPECT_EQ(shrunk.pixel(10, 240), pixelFromRgb(255, 255, 255)); // below the 350 x 233 box
}

// Sets both times of a file to `age` ago.
void makeOld(const QString& path, std::chrono::seconds age) {
    const timespec when{time(nullptr) - age.count(), 0};
    const timespec times[2] = {when, when};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

TEST_F(TintedCopies, AtStartCopiesUnusedForThirtyDaysGoAndNothingElse) {
    const QString work = ensureWorkingFolder();
    const QString source = writeSource(QStringLiteral("photo.bmp"), gradient(4, 4));
    const QString stale = tintedCopyPath(1, source, 0);
    const QString usedLately = tintedCopyPath(2, source, 0);
    const QString recent = tintedCopyPath(3, source, 0);
    const QString page = work + QStringLiteral("/~~page.bmp");
    const QString users = work + QStringLiteral("/~~1-holiday.bmp");
    for (const QString& file : {stale, usedLately, recent, page, users}) {
        writeBmp24(file, Bitmap(2, 2));
        makeOld(file, std::chrono::days(40));
    }
    makeOld(recent, std::chrono::days(29));
    noteTintedCopyUsed(usedLately);
    EXPECT_EQ(removeStaleTintedCopies(), 1);
    EXPECT_FALSE(QFile::exists(stale));
    for (const QString& kept : {usedLately, recent, page, users, source}) {
        EXPECT_TRUE(QFile::exists(kept)) << kept.toStdString();
    }
}

TEST_F(TintedCopies, ACopyGoesWhenTheDesignReleasesItAndNothingStillUsesIt) {
    const QString work = ensureWorkingFolder();
    const QString source = writeSource(QStringLiteral("photo.bmp"), gradient(4, 4));
    const QString dropped = tintedCopyPath(1, source, 0);
    const QString shared = tintedCopyPath(2, source, 5);
    const QString othersCopy = tintedCopyPath(3, source, 5); // another window's design
    for (const QString& copy : {dropped, shared, othersCopy}) {
        writeTintedCopy(source, 0, copy);
    }
    const QString page = work + QStringLiteral("/~~page.bmp");
    writeBmp24(page, Bitmap(2, 2));
    const QString sharedSpeltOtherwise =
        work + QStringLiteral("/../work/") + QFileInfo(shared).fileName();
    EXPECT_EQ(
        removeReleasedTintedCopies({dropped, shared, source, page}, {sharedSpeltOtherwise, source}),
        1);
    EXPECT_FALSE(QFile::exists(dropped));
    for (const QString& kept : {shared, othersCopy, source, page}) {
        EXPECT_TRUE(QFile::exists(kept)) << kept.toStdString();
    }
}

} // namespace
} // namespace veltmoor
