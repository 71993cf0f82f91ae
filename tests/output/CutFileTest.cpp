#include "output/CutFile.h"

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "render/HoleTag.h"
#include "render/TagShapes.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltmoor {
namespace {

struct TagCase {
    int shape;
    int W;
    int H;
    HoleSettings hole;
};

// One tag on a page of exactly its size, so that the cut file's millimetres map one to one
// onto the tag's dots at 200 dpi.
CutSheet singleTagSheet(const TagCase& tag) {
    CutSheetInput input;
    input.shapeIndex = tag.shape;
    input.hole = tag.hole;
    input.TagWidthDots = tag.W;
    input.TagHeightDots = tag.H;
    input.placements = {{1, 0, 0}};
    input.page = PageMetrics{tag.W * 3, tag.H * 3, 600, 600};
    return cutSheetFor(input);
}

using DotSet = std::vector<bool>;

// The dots the SVG's strokes touch when Qt SVG draws it at 200 dpi.
DotSet svgDots(const QByteArray& svg, int W, int H) {
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    QImage image(W, H, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, W, H));
    painter.end();
    DotSet dots(static_cast<std::size_t>(W) * H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            dots[static_cast<std::size_t>(y) * W + x] = qAlpha(image.pixel(x, y)) > 0;
        }
    }
    return dots;
}

// The raster cut line, one dot wide, with the hole's ring.
DotSet rasterDots(const TagCase& tag) {
    Bitmap bitmap(tag.W, tag.H, clWhite);
    Canvas canvas(bitmap);
    drawTagOutline(tag.shape, canvas, clBlack);
    HoleTag(canvas, tag.W, tag.H, tag.hole);
    DotSet dots(static_cast<std::size_t>(tag.W) * tag.H);
    for (int y = 0; y < tag.H; ++y) {
        for (int x = 0; x < tag.W; ++x) {
            dots[static_cast<std::size_t>(y) * tag.W + x] = bitmap.pixelColor(x, y) == clBlack;
        }
    }
    return dots;
}

// The share of the dots of `from` that have a dot of `to` within one dot.
double shareNear(const DotSet& from, const DotSet& to, int W, int H) {
    int total = 0;
    int near = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (!from[static_cast<std::size_t>(y) * W + x]) {
                continue;
            }
            ++total;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy) {
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    found = nx >= 0 && ny >= 0 && nx < W && ny < H &&
                            to[static_cast<std::size_t>(ny) * W + nx];
                }
            }
            near += found ? 1 : 0;
        }
    }
    return total == 0 ? 0.0 : static_cast<double>(near) / total;
}

class CutPathOnRasterLine : public ::testing::TestWithParam<TagCase> {};

TEST_P(CutPathOnRasterLine, SvgPathLiesOnTheOneDotCutLine) {
    const TagCase tag = GetParam();
    const DotSet path = svgDots(cutSheetSvg(singleTagSheet(tag)), tag.W, tag.H);
    const DotSet raster = rasterDots(tag);
    const double rasterNearPath = shareNear(raster, path, tag.W, tag.H);
    const double pathNearRaster = shareNear(path, raster, tag.W, tag.H);
    RecordProperty("rasterNearPath", std::to_string(rasterNearPath));
    RecordProperty("pathNearRaster", std::to_string(pathNearRaster));
    EXPECT_GE(rasterNearPath, 0.98) << "raster dots off the path";
    EXPECT_GE(pathNearRaster, 0.98) << "path dots off the raster line";
}

std::vector<TagCase> everyShapeAtSeveralSizes() {
    struct Size {
        int W;
        int H;
    };
    const HoleSettings defaultHole;
    const HoleSettings flatHole{20, 8, 30, 50, false};
    std::vector<TagCase> cases;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const Size size : {Size{100, 100}, Size{400, 800}, Size{1000, 200}, Size{237, 511}}) {
            cases.push_back({shape, size.W, size.H, defaultHole});
        }
        cases.push_back({shape, 600, 450, flatHole});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryShape, CutPathOnRasterLine,
                         ::testing::ValuesIn(everyShapeAtSeveralSizes()),
                         [](const ::testing::TestParamInfo<TagCase>& param) {
                             return "shape" + std::to_string(param.param.shape) + "_" +
                                    std::to_string(param.param.W) + "x" +
                                    std::to_string(param.param.H);
                         });

// The groups and sizes a cutting program looks for.
TEST(CutFileSvg, GroupsAndMillimetreSize) {
    CutSheetInput input;
    input.shapeIndex = kShapeRectangle;
    input.TagWidthDots = 400;
    input.TagHeightDots = 800;
    input.placements = {{1, 100, 50}, {2, 500, 50}};
    // Letter paper at 600 dpi with a quarter-inch margin: 215.9 x 279.4 mm.
    input.page = PageMetrics{4800, 6300, 600, 600, 5100, 6600, 150, 150};
    input.plan.marks = {Rect{0, 0, 10, 10}};
    QXmlStreamReader xml(cutSheetSvg(cutSheetFor(input)));
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.attributes().value("width"), QLatin1String("215.9mm"));
    EXPECT_EQ(xml.attributes().value("height"), QLatin1String("279.4mm"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QLatin1String("0 0 215.9 279.4"));
    QStringList groups;
    int paths = 0;
    QString firstPath;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("g")) {
            groups << xml.attributes().value("id").toString();
        } else if (xml.name() == QLatin1String("path") && groups.last() == "cut") {
            ++paths;
            if (firstPath.isEmpty()) {
                firstPath = xml.attributes().value("d").toString();
            }
        }
    }
    EXPECT_FALSE(xml.hasError());
    EXPECT_EQ(groups, (QStringList{"cut", "holes", "regmarks"}));
    EXPECT_EQ(paths, 2);
    // The first tag's bottom-left dot (0, 799) sits at 100 + 0.5 dots across and 50 + 799.5
    // down the printable area, which starts 6.35 mm in: 6.35 + 100.5 * 0.127 = 19.1135 and
    // 6.35 + 849.5 * 0.127 = 114.2365.
    EXPECT_TRUE(firstPath.startsWith("M 19.1135 114.2365 L ")) << firstPath.toStdString();
}

TEST(CutFileSvg, UnknownEndingIsRefusedNamingTheFile) {
    try {
        writeCutFile(QStringLiteral("/tmp/sheet.pdf"), CutSheet{});
        FAIL() << "a .pdf cut file was accepted";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().contains("/tmp/sheet.pdf"));
    }
}

} // namespace
} // namespace veltmoor
