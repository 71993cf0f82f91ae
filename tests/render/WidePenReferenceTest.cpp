#include "WidePenReferenceCases.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sstream>
#include <string>
#include <tuple>

namespace veltmoor {
namespace {

using widepen::ReferenceCase;

// The reference pictures are the platform's own drawing of the same pen calls (Windows GDI
// as Wine reimplements it), made by scripts/widepen-reference/run.sh.
QString referencePath(const std::string& name) {
    return QStringLiteral(VELTMOOR_TEST_DATA "/widepen/") + QString::fromStdString(name);
}

std::string readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

struct InkComparison {
    int referenceInk = 0;
    int shared = 0;
    int onlyOurs = 0;
    int onlyReference = 0;
    std::string firstDifferences;
};

InkComparison compareInk(const Bitmap& ours, const Bitmap& reference) {
    InkComparison result;
    std::ostringstream differences;
    int listed = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const bool oursInk = ours.pixelColor(x, y) == clBlack;
            const bool referenceInk = reference.pixelColor(x, y) == clBlack;
            result.referenceInk += referenceInk ? 1 : 0;
            result.shared += oursInk && referenceInk ? 1 : 0;
            result.onlyOurs += oursInk && !referenceInk ? 1 : 0;
            result.onlyReference += referenceInk && !oursInk ? 1 : 0;
            if (oursInk != referenceInk && listed++ < 8) {
                differences << " (" << x << "," << y << (oursInk ? " ours" : " platform's") << ")";
            }
        }
    }
    result.firstDifferences = differences.str();
    return result;
}

class WidePenReference : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(WidePenReference, OutlineDrawsThePlatformsPixels) {
    const auto [caseIndex, penWidth] = GetParam();
    const ReferenceCase referenceCase =
        widepen::referenceCases().at(static_cast<std::size_t>(caseIndex));
    SCOPED_TRACE(referenceCase.caption + ", pen " + std::to_string(penWidth));

    // The pictures belong to the calls recorded with them; when the drawing changes they
    // must be made again.
    ASSERT_EQ(readText(referencePath(referenceCase.name + ".calls")),
              widepen::penCallsText(referenceCase))
        << "the outline's calls changed: run scripts/widepen-reference/run.sh";

    const Bitmap reference =
        readPicture(referencePath(widepen::referencePictureName(referenceCase, penWidth))).bitmap;
    ASSERT_EQ(reference.width(), widepen::kTagWidth);
    ASSERT_EQ(reference.height(), widepen::kTagHeight);

    Bitmap ours(widepen::kTagWidth, widepen::kTagHeight, clWhite);
    Canvas canvas(ours);
    canvas.pen().width = penWidth;
    referenceCase.draw(canvas);

    const InkComparison ink = compareInk(ours, reference);
    ASSERT_GT(ink.referenceInk, 0);
    EXPECT_EQ(ink.onlyOurs + ink.onlyReference, 0)
        << ink.shared << " of " << ink.referenceInk << " platform dots shared ("
        << 100.0 * ink.shared / ink.referenceInk << " %), " << ink.onlyOurs << " dots only ours, "
        << ink.onlyReference << " only the platform's; first:" << ink.firstDifferences;
}

INSTANTIATE_TEST_SUITE_P(
    EveryShapeAndTheHole, WidePenReference,
    testing::Combine(testing::Range(0, static_cast<int>(widepen::referenceCases().size())),
                     testing::ValuesIn(widepen::kPenWidths)),
    [](const testing::TestParamInfo<std::tuple<int, int>>& param) {
        std::string name =
            widepen::referenceCases().at(static_cast<std::size_t>(std::get<0>(param.param))).name +
            "_pen" + std::to_string(std::get<1>(param.param));
        for (char& c : name) {
            c = c == '-' ? '_' : c;
        }
        return name;
    });

} // namespace
} // namespace veltmoor
