#include "output/CutFile.h"

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "render/HoleTag.h"
#include "render/TagOutline.h"
#include "render/TagShapes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

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

// ---- One closed path per tag and per hole, as readers of their own find them -------------

struct ReadOutline {
    bool closed = false;
    double widestJoint = 0; // between the lines and arcs it consists of
    QPolygonF points;       // in tag dots, close enough to follow it within a micrometre
};

struct ReadSheet {
    std::vector<ReadOutline> tags;
    std::vector<ReadOutline> holes;
};

// Catches the paths Qt SVG draws, sorted by their stroke: red the cuts, blue the holes.
class PathCatcher : public QPaintEngine {
public:
    PathCatcher() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) {
            transform_ = state.transform();
        }
        if (state.state() & DirtyPen) {
            stroked_ = state.pen().style() != Qt::NoPen;
            isHole_ = state.pen().color() == Qt::blue;
        }
    }
    void drawPath(const QPainterPath& path) override {
        if (!stroked_) {
            return; // Qt SVG fills, with no pen, before it strokes
        }
        for (const QPolygonF& subpath : transform_.map(path).toSubpathPolygons()) {
            (isHole_ ? read.holes : read.tags).push_back({subpath.isClosed(), 0, subpath});
        }
    }
    ReadSheet read;

private:
    QTransform transform_;
    bool stroked_ = false;
    bool isHole_ = false;
};

class PathCatchingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &catcher; }
    int metric(PaintDeviceMetric metric) const override {
        return metric == PdmDepth ? 32 : metric == PdmWidth || metric == PdmHeight ? 1000 : 96;
    }
    mutable PathCatcher catcher;
};

ReadSheet svgAsQtReadsIt(const QByteArray& svg, int W, int H) {
    PathCatchingDevice device;
    QPainter painter(&device);
    QSvgRenderer(svg).render(&painter, QRectF(0, 0, W, H));
    painter.end();
    return device.catcher.read;
}

// The DXF files as ezdxf reads them, all in one run of Python.
std::vector<ReadSheet> dxfAsEzdxfReadsIt(const QStringList& files, const std::vector<int>& H) {
    QProcess python;
    python.start(QStringLiteral(VELTMOOR_SYSTEM_PYTHON),
                 QStringList{QStringLiteral(VELTMOOR_DXF_OUTLINES)} + files);
    EXPECT_TRUE(python.waitForFinished(120000)) << "ezdxf took too long";
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject all = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    constexpr double kMmPerDot = 25.4 / 200;
    std::vector<ReadSheet> sheets;
    for (int file = 0; file < files.size(); ++file) {
        const QJsonObject layers = all.value(files[file]).toObject();
        ReadSheet sheet;
        const std::pair<const char*, std::vector<ReadOutline>*> wanted[] = {
            {"CUT", &sheet.tags}, {"HOLES", &sheet.holes}};
        for (const auto& [layer, into] : wanted) {
            for (const QJsonValue entity : layers.value(QLatin1String(layer)).toArray()) {
                ReadOutline outline{
                    entity["closed"].toBool(), entity["widestJoint"].toDouble(), {}};
                for (const QJsonValue point : entity["points"].toArray()) {
                    // y upwards from the paper's bottom, which is the tag's bottom edge
                    outline.points << QPointF(point[0].toDouble() / kMmPerDot,
                                              H[static_cast<std::size_t>(file)] -
                                                  point[1].toDouble() / kMmPerDot);
                }
                into->push_back(outline);
            }
        }
        sheets.push_back(sheet);
    }
    return sheets;
}

// How far an outline strays from the ink of a line of dots, in dots (4 standing for more).
double straying(const QPolygonF& outline, const DotSet& dots, int W, int H) {
    constexpr int kReach = 4;
    double farthest = 0;
    for (qsizetype corner = 1; corner < outline.size(); ++corner) {
        const QPointF from = outline[corner - 1];
        const QPointF step = outline[corner] - from;
        const int steps = std::max(1, static_cast<int>(std::hypot(step.x(), step.y()) * 4));
        for (int at = 0; at < steps; ++at) {
            const QPointF p = from + step * at / steps;
            double nearest = kReach;
            for (int y = std::max(0, static_cast<int>(p.y()) - kReach);
                 y < std::min(H, static_cast<int>(p.y()) + kReach); ++y) {
                for (int x = std::max(0, static_cast<int>(p.x()) - kReach);
                     x < std::min(W, static_cast<int>(p.x()) + kReach); ++x) {
                    if (dots[static_cast<std::size_t>(y) * W + x]) {
                        nearest = std::min(
                            nearest, std::hypot(std::max(std::abs(x + 0.5 - p.x()) - 0.5, 0.0),
                                                std::max(std::abs(y + 0.5 - p.y()) - 0.5, 0.0)));
                    }
                }
            }
            farthest = std::max(farthest, nearest);
        }
    }
    return farthest;
}

// Where the printed tag ends: its cut line, and where the line leaves an opening (between
// strokes, or at the paper tag's own edge) the tag's dots that the cut-out shape borders on.
DotSet printedEdge(const TagCase& tag) {
    TagCase lineOnly = tag;
    lineOnly.hole.noHole = true;
    DotSet edge = rasterDots(lineOnly);
    const Bitmap mask = tagShapeMask(tag.shape, tag.W, tag.H);
    const auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < tag.W && y < tag.H && mask.pixelColor(x, y) == clBlack;
    };
    for (int y = 0; y < tag.H; ++y) {
        for (int x = 0; x < tag.W; ++x) {
            if (inside(x, y) &&
                !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1))) {
                edge[static_cast<std::size_t>(y) * tag.W + x] = true;
            }
        }
    }
    return edge;
}

DotSet holeRing(const TagCase& tag) {
    TagCase ringOnly = tag;
    ringOnly.shape = kShapeNone;
    return rasterDots(ringOnly);
}

// Every tag's cut is one closed path and every hole one closed ring, without a gap at any
// joint, on the printed line to within a dot, in the SVG as Qt SVG draws it and in the DXF
// as ezdxf reads it.
TEST(CutFileOutlines, OneClosedPathPerTagAndHoleOnThePrintedLine) {
    std::vector<TagCase> cases;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        // The hole at the narrow end, as the shape choice puts it, whole on the smallest tag.
        const HoleSettings hole{12, 12, 50, isFanShape(shape) ? 88 : 12, false};
        const std::pair<int, int> sizes[] = {{100, 100}, {400, 800}, {1000, 200}, {237, 511}};
        for (const auto& [W, H] : sizes) {
            cases.push_back({shape, W, H, hole});
        }
        cases.push_back({shape, 600, 450, HoleSettings{20, 8, 30, 50, false}});
    }
    QTemporaryDir folder;
    QStringList dxfFiles;
    std::vector<int> heights;
    for (const TagCase& tag : cases) {
        dxfFiles << folder.filePath(QStringLiteral("%1.dxf").arg(dxfFiles.size()));
        writeCutFile(dxfFiles.last(), singleTagSheet(tag));
        heights.push_back(tag.H);
    }
    const std::vector<ReadSheet> dxf = dxfAsEzdxfReadsIt(dxfFiles, heights);
    ASSERT_EQ(dxf.size(), cases.size());
    for (std::size_t at = 0; at < cases.size(); ++at) {
        const TagCase& tag = cases[at];
        SCOPED_TRACE("shape " + std::to_string(tag.shape) + " " + std::to_string(tag.W) + "x" +
                     std::to_string(tag.H));
        const QByteArray svgText = cutSheetSvg(singleTagSheet(tag));
        EXPECT_EQ(svgText.count(" Z\""), 2) << "paths that end in Z";
        const DotSet edge = printedEdge(tag);
        const DotSet ring = holeRing(tag);
        const std::pair<const char*, ReadSheet> readers[] = {
            {"SVG", svgAsQtReadsIt(svgText, tag.W, tag.H)}, {"DXF", dxf[at]}};
        for (const auto& [reader, read] : readers) {
            SCOPED_TRACE(reader);
            ASSERT_EQ(read.tags.size(), 1U);
            ASSERT_EQ(read.holes.size(), 1U);
            const std::pair<const ReadOutline*, const DotSet*> outlines[] = {
                {&read.tags[0], &edge}, {&read.holes[0], &ring}};
            for (const auto& [outline, dots] : outlines) {
                EXPECT_TRUE(outline->closed);
                EXPECT_LE(outline->widestJoint, 1e-9);
                EXPECT_LE(straying(outline->points, *dots, tag.W, tag.H), 1.0);
            }
        }
    }
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
