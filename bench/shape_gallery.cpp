// A developer's look at every shape: each shape composed as a tag with the built-in picture
// and all three texts, at the default size (2.00 x 4.00 in), at 1.00 x 1.00, 5.00 x 0.50 and
// the smallest, 0.50 x 0.50, saved as PNG pictures in the folder given.
//
//     QT_QPA_PLATFORM=offscreen build/bench/shape_gallery /tmp/gallery
#include "render/TagCompositor.h"
#include "render/TagShapes.h"
#include "render/TextBlockWidth.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace veltmoor;
    QGuiApplication app(argc, argv); // the texts need fonts
    if (argc != 2) {
        std::fprintf(stderr, "usage: shape_gallery FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "shape_gallery: cannot create the folder %s\n", argv[1]);
        return 1;
    }
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
    int failures = 0;
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
            if (!composed.tag.toQImage().save(name)) {
                std::fprintf(stderr, "shape_gallery: cannot write %s\n", qPrintable(name));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
