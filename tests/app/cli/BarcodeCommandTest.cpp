// Codes from the command line, read back by zbar from the files it writes.
#include "app/cli/CommandLine.h"
#include "support/CodeScanner.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace veltmoor {
namespace {

using test::ScannedCode;

struct BarcodeRun {
    int status = -1;
    std::string out;
    std::string err;
};

BarcodeRun run(QStringList arguments) {
    arguments.prepend(QStringLiteral("veltmoor-tags"));
    std::ostringstream out;
    std::ostringstream err;
    BarcodeRun result;
    result.status = runCommandLine(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

const QString kDesign = QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/barcodes.vmg");

TEST(BarcodeCommand, WritesOneCodeAtTwoHundredDotsPerInch) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("code.png"));
    const BarcodeRun written =
        run({"barcode", "--type", "ean13", "--data", "400638133393", "-o", path});
    ASSERT_EQ(written.status, kExitOk) << written.err;
    const QImage code(path);
    // 11 + 95 + 7 modules of 3 dots, quiet zones included.
    EXPECT_EQ(code.width(), 113 * 3);
    const std::vector<ScannedCode> expected{{"EAN-13", "4006381333931"}};
    EXPECT_EQ(test::scanCodes(code), expected);
}

TEST(BarcodeCommand, TheSheetCarriesEveryTagsCode) {
    QTemporaryDir folder;
    const QString sheet = folder.filePath(QStringLiteral("sheet.png"));
    const BarcodeRun rendered =
        run({"render", kDesign, "-o", sheet, "--printable", "4800x6300@600"});
    ASSERT_EQ(rendered.status, kExitOk) << rendered.err;
    EXPECT_EQ(test::sortedCodes(QImage(sheet)), test::barcodesDesignCodes());
}

TEST(BarcodeCommand, BarcodeOptionSetsEveryTagKeepingItsPlacement) {
    QTemporaryDir folder;
    const QString tag = folder.filePath(QStringLiteral("tag.png"));
    // One tag at a time: zbar reports a code found twice in one picture once.
    const std::vector<ScannedCode> expected{{"EAN-8", "40123455"}};
    for (int slot = 1; slot <= 9; ++slot) {
        ASSERT_EQ(run({"render", kDesign, "--barcode", "ean8:4012345", "--tag",
                       QString::number(slot), "-o", tag})
                      .status,
                  kExitOk);
        EXPECT_EQ(test::scanCodes(QImage(tag)), expected) << slot;
    }

    const BarcodeRun info = run({"info", kDesign, "--barcode", "upca:03600029145"});
    const QJsonObject slot = QJsonDocument::fromJson(QByteArray::fromStdString(info.out))
                                 .object()[QStringLiteral("slots")]
                                 .toArray()
                                 .at(2)
                                 .toObject()[QStringLiteral("Barcode")]
                                 .toObject();
    EXPECT_EQ(slot[QStringLiteral("symbology")], QStringLiteral("upca"));
    EXPECT_EQ(slot[QStringLiteral("data")], QStringLiteral("03600029145"));
    EXPECT_EQ(slot[QStringLiteral("placement")], QStringLiteral("textblock"));
    EXPECT_EQ(slot[QStringLiteral("moduleDots")], 4);
}

TEST(BarcodeCommand, BadDataOrACodeTooLargeGivesOneMessageAndNoFile) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.png"));
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
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
    for (const auto& bad : cases) {
        const BarcodeRun refused = run(bad.arguments);
        EXPECT_EQ(refused.status, kExitBadInput);
        EXPECT_EQ(refused.err, "veltmoor-tags: " + std::string(bad.message) + "\n");
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
} // namespace veltmoor
