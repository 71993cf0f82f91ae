#include "render/HoleTag.h"
#include "render/TagShapes.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// A developer's look at every shape: with VELTMOOR_SHAPE_GALLERY naming a folder, each
// shape is drawn at three sizes the way a tag is built (background inside the outline, a
// striped picture over part of it, the cut, a three-dot cut line and the hole) and saved as
// a PNG there for the eye. Without the variable there is nothing to look at.
TEST(ShapeGallery, WritesEveryShapeWhenAsked) {
    const QString folder = qEnvironmentVariable("VELTMOOR_SHAPE_GALLERY");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set VELTMOOR_SHAPE_GALLERY to a folder to get the pictures";
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Size {
        int W;
        int H;
    };
    for (const Size size : {Size{400, 800}, Size{100, 100}, Size{1000, 100}}) {
        for (int shape = 0; shape < static_cast<int>(tagShapes().size()); ++shape) {
            const int W = size.W;
            const int H = size.H;
            const TColor background = rgbColor(255, 240, 190);
            Bitmap tag(W, H, clBtnFace);
            Canvas canvas(tag);
            canvas.pen().width = 1;
            drawTagOutline(shape, canvas, background);
            HoleTag(canvas, W, H, HoleSettings{});
            canvas.brush() = Brush{background, BrushStyle::Solid};
            canvas.floodFill(W / 2, H / 2, background, FillMode::Border);
            for (int y = H / 3; y < H * 2 / 3; ++y) {
                for (int x = 0; x < W; ++x) {
                    tag.setPixel(x, y,
                                 ((x / 10 + y / 10) % 2) ? pixelFromRgb(40, 90, 160)
                                                         : pixelFromRgb(90, 160, 60));
                }
            }
            cutTagToShape(shape, canvas, background);
            canvas.pen().width = 3;
            drawTagOutline(shape, canvas, clRed);
            HoleTag(canvas, W, H, HoleSettings{});
            const QString name = QStringLiteral("%1/shape%2-%3x%4.png")
                                     .arg(folder)
                                     .arg(shape, 2, 10, QLatin1Char('0'))
                                     .arg(W)
                                     .arg(H);
            EXPECT_TRUE(tag.toQImage().save(name)) << name.toStdString();
        }
    }
}

} // namespace
} // namespace veltmoor
