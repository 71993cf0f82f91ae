// Codes from the command line, read back by zbar from the files it writes.
#include "app/cli/CommandLine.h"
#include "support/CodeScanner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace veltmoor {
namespace {

using test::ScannedCode;

// The exit status, and standard error after it.
std::pair<int, std::string> run(QStringList arguments) {
    arguments.prepend(QStringLiteral("veltmoor-tags"));
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(arguments, out, err);
    return {status, err.str() + out.str()};
}

const QString kDesign = QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/barcodes.vmg");

TEST(BarcodeCommand, OneCodeTheSheetAndEveryTagOfAnOverrideScan) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.png"));
    ASSERT_EQ(run({"barcode", "--type", "ean13", "--data", "400638133393", "-o", out}).first, 0);
    // 11 + 95 + 7 modules of 3 dots, quiet zones included, one dot a pixel.
    EXPECT_EQ(QImage(out).width(), 113 * 3);
    EXPECT_EQ(test::scanCodes(QImage(out)), test::sortedCodes({{"EAN-13", "4006381333931"}}));

    ASSERT_EQ(run({"render", kDesign, "-o", out, "--printable", "4800x6300@600"}).first, 0);
    EXPECT_EQ(test::scanCodes(QImage(out)), test::barcodesDesignCodes());

    // One tag at a time: zbar reports a code found twice in one picture once. Each keeps its
    // own placement and module width.
    for (int slot = 1; slot <= 9; ++slot) {
        ASSERT_EQ(run({"render", kDesign, "--barcode", "ean8:4012345", "--tag",
                       QString::number(slot), "-o", out})
                      .first,
                  0);
        EXPECT_EQ(test::scanCodes(QImage(out)), test::sortedCodes({{"EAN-8", "40123455"}}));
    }
    const std::string info = run({"info", kDesign, "--barcode", "upca:03600029145"}).second;
    EXPECT_NE(info.find(R"("Barcode": {"symbology": "upca", "data": "03600029145", "placement": )"
                        R"("textblock", "moduleDots": 4, "height": 0.50})"),
              std::string::npos);
    // The settings are the 36 lines after the tag lines, whatever lines follow them.
    EXPECT_NE(info.find(R"("CutLine": 1)"), std::string::npos);
}

TEST(BarcodeCommand, BadDataOrACodeTooLargeGivesOneMessageAndNoFile) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.png"));
    const std::pair<QStringList, const char*> cases[] = {
        {{"barcode", "--type", "ean13", "--data", "4006381333932", "-o", out},
         "The check digit of the EAN-13 data \"4006381333932\" is 2, but its digits ask for 1."},
        {{"render", kDesign, "--barcode", "ean13:${sku}", "-o", out},
         "Tag 1: the EAN-13 data \"${sku}\" holds the price-list field ${sku}, which only a "
         "merged job fills."},
        {{"render", kDesign, "--barcode", "code128:0123456789-ABCDEFGH", "-o", out},
         "Tag 2: the Code 128 code does not fit inside the tag at 3 dots a module."},
        {{"render", kDesign, "--tag", "5", "--barcode", "upca:0360002914", "-o", out},
         "Tag 5: the UPC-A data \"0360002914\" has 10 digits, but UPC-A takes 11 (or 12 with "
         "its check digit)."},
    };
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(run(arguments),
                  std::pair(int{kExitBadInput}, "veltmoor-tags: " + std::string(message) + "\n"));
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
} // namespace veltmoor
