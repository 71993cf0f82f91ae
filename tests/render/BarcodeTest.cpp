// Codes on tags, read back by zbar.
#include "render/BarcodeDrawing.h"
#include "render/TagCompositor.h"
#include "support/CodeScanner.h"

#include <QImage>

#include <numeric>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using test::scanCodes;
using test::ScannedCode;

struct CodeCase {
    Symbology symbology;
    const char* data;
    ScannedCode scanned; // what a scanner must read; check digits completed by hand
};

// Retail data with and without its check digit, Code 128 with letters and signs, a QR URL.
const CodeCase kCodes[] = {
    {Symbology::Ean13, "400638133393", {"EAN-13", "4006381333931"}},
    {Symbology::UpcA, "03600029145", {"UPC-A", "036000291452"}},
    {Symbology::Ean8, "96385074", {"EAN-8", "96385074"}},
    {Symbology::Code128, "Vt-42/a", {"CODE-128", "Vt-42/a"}},
    {Symbology::QrCode,
     "https://veltmoor.example/t?sku=42",
     {"QR-Code", "https://veltmoor.example/t?sku=42"}},
};

// A 3 x 4 inch standard tag (hole at the top) over the sample picture, text block placed so
// a code fits there.
TagCompositionInput tagWith(const TagBarcode& barcode, int widthDots = 600) {
    TagCompositionInput input;
    input.slotNumber = 0;
    input.TagWidthDots = widthDots;
    input.TagHeightDots = 800;
    input.page = {1600, 2100, 200, 200};
    input.settings.textBlockWidthOffset = 5;
    input.settings.textBlockHeightOffset = 40;
    input.slot.ValueText = QStringLiteral("$4.50");
    input.slot.EdgeText = QStringLiteral("HOMEMADE");
    input.settings.edgePlace = kEdgeBottom;
    input.slot.barcode = barcode;
    return input;
}

ComposedTag compose(const TagCompositionInput& input) {
    PictureCache pictures;
    return DrawTagReal(input, pictures);
}

// The module width as the bitmap shows it, on the row with the most changes between pure
// black and pure white dots: the runs between its first and last black dot are whole
// modules, so their greatest common divisor is the module, and the narrowest run equals it
// (else -1).
int measuredModuleWidth(const Bitmap& tag) {
    std::vector<int> best;
    for (int y = 0; y < tag.height(); ++y) {
        std::vector<int> runs; // of one pure colour each, ended by any other dot
        const auto endStretch = [&] {
            if (runs.size() > best.size() + 2) {
                best.assign(runs.begin() + 1, runs.end() - 1); // without the white at the ends
            }
            runs.clear();
        };
        for (int x = 0; x < tag.width(); ++x) {
            const Pixel rgb = tag.pixel(x, y) & 0xFFFFFFu;
            if (rgb != 0 && rgb != 0xFFFFFFu) {
                endStretch();
                continue;
            }
            if (runs.empty() || rgb != (tag.pixel(x - 1, y) & 0xFFFFFFu)) {
                runs.push_back(0);
            }
            ++runs.back();
        }
        endStretch();
    }
    const int module =
        std::accumulate(best.begin(), best.end(), 0, [](int a, int b) { return std::gcd(a, b); });
    return !best.empty() && *std::min_element(best.begin(), best.end()) == module ? module : -1;
}

TEST(TagBarcode, EverySymbologyModuleAndPlacementScansAsAskedWithWholeDotModules) {
    for (const CodeCase& code : kCodes) {
        for (int module = kMinBarcodeModuleDots; module <= kMaxBarcodeModuleDots; ++module) {
            for (const BarcodePlacement placement :
                 {BarcodePlacement::Bottom, BarcodePlacement::Top, BarcodePlacement::TextBlock}) {
                const ComposedTag tag = compose(
                    tagWith({code.symbology, QString::fromUtf8(code.data), placement, module, 50}));
                const std::string what = symbologyCaption(code.symbology).toStdString() +
                                         " module " + std::to_string(module) + " at " +
                                         placementName(placement).toStdString();
                EXPECT_EQ(tag.barcodeProblem, QString()) << what;
                EXPECT_EQ(scanCodes(tag.tag.toQImage()), std::vector<ScannedCode>{code.scanned})
                    << what;
                EXPECT_EQ(measuredModuleWidth(tag.tag), module) << what;
            }
        }
    }
}

TEST(TagBarcode, BadDataIsRefusedWithItsReasonAndNothingIsDrawn) {
    const struct {
        Symbology symbology;
        const char* data;
        const char* reason;
    } cases[] = {
        {Symbology::Ean13, "40063813339X",
         "the EAN-13 data \"40063813339X\" holds \"X\", but EAN-13 takes digits only"},
        {Symbology::Ean13, "4006381333932",
         "the check digit of the EAN-13 data \"4006381333932\" is 2, but its digits ask for 1"},
        {Symbology::Ean8, "963850745",
         "the EAN-8 data \"963850745\" has 9 digits, but EAN-8 takes 7 (or 8 with its check "
         "digit)"},
        {Symbology::UpcA, "12345",
         "the UPC-A data \"12345\" has 5 digits, but UPC-A takes 11 (or 12 with its check "
         "digit)"},
        {Symbology::Ean13, "${sku}",
         "the EAN-13 data \"${sku}\" holds the price-list field ${sku}, which only a merged job "
         "fills"},
        {Symbology::Code128, "Grüße",
         "the Code 128 data \"Grüße\" holds \"ü\", but Code 128 takes the printable ASCII "
         "characters only"},
    };
    for (const auto& bad : cases) {
        const ComposedTag tag = compose(tagWith({bad.symbology, QString::fromUtf8(bad.data)}));
        EXPECT_EQ(tag.barcodeProblem, QString::fromUtf8(bad.reason));
        EXPECT_TRUE(tag.sizeLabel.endsWith(QStringLiteral(" (%1)").arg(tag.barcodeProblem)))
            << tag.sizeLabel.toStdString();
        EXPECT_TRUE(scanCodes(tag.tag.toQImage()).empty()) << bad.data;
    }
}

TEST(TagBarcode, ACodeWiderThanTheShapeIsNotDrawnAndTheLabelSaysSo) {
    // 95 modules and 18 of quiet zone at 4 dots are 452 dots: too wide for a 2-inch tag,
    // drawn at 3 dots (339).
    const TagBarcode wide{Symbology::Ean13, QStringLiteral("400638133393"),
                          BarcodePlacement::Bottom, 4, 50};
    const ComposedTag refused = compose(tagWith(wide, 400));
    EXPECT_EQ(refused.sizeLabel,
              "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4 (the EAN-13 code does not "
              "fit inside the tag at 4 dots a module)");
    EXPECT_TRUE(scanCodes(refused.tag.toQImage()).empty());

    TagBarcode narrower = wide;
    narrower.moduleDots = 3;
    const ComposedTag drawn = compose(tagWith(narrower, 400));
    EXPECT_EQ(drawn.sizeLabel, "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4");
    EXPECT_EQ(scanCodes(drawn.tag.toQImage()).size(), 1u);
}

} // namespace
} // namespace veltmoor
