#include "render/TagCompositor.h"
#include "render/TagShapes.h"
#include "render/TextBlockWidth.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// A developer's look at every shape: with VELTMOOR_SHAPE_GALLERY naming a folder, each shape
// is composed as a tag with the built-in picture and all three texts, at the default size
// (2.00 x 4.00 in), at 1.00 x 1.00, 5.00 x 0.50 and the smallest, 0.50 x 0.50, and saved as
// a PNG there for the eye. Without the variable there is nothing to look at.
TEST(ShapeGallery, WritesEveryShapeWhenAsked) {
    const QString folder = qEnvironmentVariable("VELTMOOR_SHAPE_GALLERY");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set VELTMOOR_SHAPE_GALLERY to a folder to get the pictures";
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    TagCompositionInput input;
    input.slotNumber = 0;
    input.slot.ValueText = QStringLiteral("$4.95");
    input.slot.EdgeText = QStringLiteral("GIFT");
    input.slot.TextBlockText = QStringLiteral("Made by hand\r\nwith care");
    input.slot.BackgroundColor = rgbColor(255, 240, 190);
    input.settings.TextBlockWidth =
        measureTextBlockWidth(input.slot.TextBlockText, input.settings.textBlockFont);
    input.page = PageMetrics{4800, 6300, 600, 600};
    PictureCache pictures;
    struct Size {
        int W;
        int H;
    };
    for (const Size size : {Size{400, 800}, Size{200, 200}, Size{1000, 100}, Size{100, 100}}) {
        for (int shape = 0; shape < static_cast<int>(tagShapes().size()); ++shape) {
            input.settings.shapeIndex = shape;
            input.TagWidthDots = size.W;
            input.TagHeightDots = size.H;
            const ComposedTag composed = DrawTagReal(input, pictures);
            const QString name = QStringLiteral("%1/shape%2-%3x%4.png")
                                     .arg(folder)
                                     .arg(shape, 2, 10, QLatin1Char('0'))
                                     .arg(size.W)
                                     .arg(size.H);
            EXPECT_TRUE(composed.tag.toQImage().save(name)) << name.toStdString();
        }
    }
}

} // namespace
} // namespace veltmoor
