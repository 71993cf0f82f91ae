#include "output/CuttingPicture.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace veltmoor {
namespace {

// The default tag, 2 x 4 inches, in the "Standard" shape (top corners cut at 45 degrees by
// c = 60 dots), with the default hole: box (188, 36, 212, 60), so its ring runs through the
// dot centres 11.5 dots around (199.5, 47.5).
constexpr int W = 400;
constexpr int H = 800;

double fromHoleCentre(int x, int y) {
    return std::hypot(x - 199.5, y - 47.5);
}

TEST(TransparentTag, OutsideTheCutLineClearInsideOpaque) {
    const Bitmap tag(W, H, rgbColor(200, 30, 40));
    const QImage picture = transparentTag(tag, kShapeStandard, HoleSettings{});
    ASSERT_TRUE(picture.hasAlphaChannel());
    int checked = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const int alpha = qAlpha(picture.pixel(x, y));
            ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
            // Distance in dots across the diagonal cut of the nearer top corner.
            const int corner = std::min(x, W - 1 - x) + y;
            const double hole = fromHoleCentre(x, y);
            if (corner <= 58 || hole <= 10) {
                EXPECT_EQ(alpha, 0) << x << "," << y;
                ++checked;
            } else if (corner >= 62 && hole >= 13) {
                EXPECT_EQ(alpha, 255) << x << "," << y;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, W * H - 2000); // only the cut line's own neighbourhood is left out
    EXPECT_EQ(QColor(picture.pixel(200, 400)), QColor(200, 30, 40));
}

TEST(TransparentTag, SheetIsClearBetweenTheTags) {
    const Bitmap sheet(900, 900, clWhite);
    const std::vector<TagPlacement> tags = {{1, 10, 20}, {2, 410, 20}};
    const QImage picture = transparentSheet(sheet, tags, kShapeOvalCircle, HoleSettings{}, W, H);
    EXPECT_EQ(qAlpha(picture.pixel(5, 400)), 0);     // left of the first tag
    EXPECT_EQ(qAlpha(picture.pixel(12, 22)), 0);     // the first tag's corner, outside the oval
    EXPECT_EQ(qAlpha(picture.pixel(210, 420)), 255); // the first oval's middle
    EXPECT_EQ(qAlpha(picture.pixel(610, 420)), 255); // the second's
    EXPECT_EQ(qAlpha(picture.pixel(850, 850)), 0);   // beyond the grid
}

TEST(TransparentTag, WrittenPngKeepsAlphaAndTwoHundredDpi) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tag.png"));
    writeTransparentPng(path, transparentTag(Bitmap(W, H, clWhite), kShapeTicket, HoleSettings{}));
    const QImage read(path);
    ASSERT_FALSE(read.isNull());
    EXPECT_TRUE(read.hasAlphaChannel());
    EXPECT_EQ(read.dotsPerMeterX(), 7874);
    EXPECT_EQ(read.dotsPerMeterY(), 7874);
    EXPECT_EQ(qAlpha(read.pixel(0, 0)), 0); // inside the ticket's corner notch
    EXPECT_EQ(qAlpha(read.pixel(200, 400)), 255);
}

} // namespace
} // namespace veltmoor
