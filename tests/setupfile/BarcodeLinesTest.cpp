#include "platform/Errors.h"
#include "setupfile/SetupFileFormat.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TagDesign designWithPictureIn(int slot) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setSlotPicture(slot, QStringLiteral("jam.jpg"), QString());
    return design;
}

TEST(BarcodeLines, FollowTheThirtySixAndReadBackWithAnyData) {
    TagDesign design = designWithPictureIn(4);
    const QStringList plain = setupFileLines(design);
    // A quote before a comma and a line break would end a plain field early.
    const TagBarcode barcode{Symbology::Code128, QStringLiteral("A\",B\r\n${sku}"),
                             BarcodePlacement::TextBlock, 2, 75};
    design.setSlotBarcode(4, barcode);
    const QStringList lines = setupFileLines(design);
    ASSERT_EQ(lines.size(), plain.size() + 1);
    EXPECT_EQ(lines.mid(0, plain.size()), plain); // older readers read what they always read
    EXPECT_EQ(lines.last(), "4,code128,textblock,2,0.75,*\"A%22,B%0D%0A${sku}\" Barcode");

    const SetupFileContents read = parseSetupFileLines(lines, "d.vmg");
    ASSERT_EQ(read.tagLines.size(), 1u);
    EXPECT_EQ(read.tagLines.front().values.barcode, barcode);
    // Files without the lines give tags without codes.
    EXPECT_FALSE(parseSetupFileLines(plain, "d.vmg").tagLines.front().values.barcode.isSet());
}

TEST(BarcodeLines, ADamagedLineNamesTheFileAndLine) {
    QStringList lines = setupFileLines(designWithPictureIn(1));
    lines << "1,ean14,bottom,3,0.50,\"1\" Barcode";
    try {
        parseSetupFileLines(lines, "sheet.vmg");
        FAIL() << "ean14 was accepted";
    } catch (const UserError& error) {
        EXPECT_EQ(error.message(),
                  "sheet.vmg, line 38: the barcode line is not slot, symbology (ean13, upca, "
                  "ean8, code128 or qr), placement (bottom, top or textblock), module width, "
                  "height and the data in double quotes.");
    }
}

} // namespace
} // namespace veltmoor
