#include "platform/Errors.h"
#include "setupfile/SetupFile.h"
#include "setupfile/SetupFileFormat.h"
#include "setupfile/TextEncoding.h"

#include <QFile>
#include <QTemporaryDir>

#include "support/DesignEditing.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TEST(SetupFileSlotLine, MatchesTheDocumentedExampleByteForByte) {
    img record;
    record.FileName = QStringLiteral("c:\\photos\\party.jpg");
    record.SourceFileName = record.FileName;
    record.PictureWidth = 640;
    record.PictureHeight = 480;
    record.AspectPermille = 750;
    record.ValueText = QStringLiteral("Aug 17, 2002");
    record.BackgroundColor = clWhite;
    record.CutLineColor = clRed;
    EXPECT_EQ(setupFileSlotLine(2, record),
              QStringLiteral("Tag2,\"c:\\photos\\party.jpg\",640,480,750,\"c:\\photos\\party.jpg\","
                             "\"Aug 17, 2002\",\"\",\"\",0,0,0,16777215,255,100,50,50,99,0"));
}

// The design the program holds when its welcome page is first shown, with one picture in
// slot 5, written as the file format lays it out line by line.
TEST(SetupFileBytes, WritesTheWholeFileWithCrLfLineEnds) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setSlotPicture(5, QStringLiteral("/pictures/five.jpg"),
                          QStringLiteral("/pictures/five.jpg"));
    design.recordSlotPicture(5, 300, 200);
    const QByteArray expected =
        "Tag5,\"/pictures/five.jpg\",300,200,666,\"/pictures/five.jpg\",\"\",\"\",\"\","
        "0,0,0,16777215,0,100,50,50,99,0\r\n"
        "1 CutLine\r\n"
        "0 TagType\r\n"
        "\"Times New Roman\" ValueFontName\r\n"
        "18 ValueFontSize\r\n"
        "0 ValueFontColor\r\n"
        "\"Bold \" ValueFontStyle\r\n"
        "2 ValuePlace\r\n"
        "\"Arial\" TextFontName\r\n"
        "10 TextFontSize\r\n"
        "255 TextFontColor\r\n"
        "\"Bold \" TextFontStyle\r\n"
        "3 TextPlace\r\n"
        "\"Times New Roman\" TextBlockFontName\r\n"
        "10 TextBlockFontSize\r\n"
        "-16777208 TextBlockFontColor\r\n"
        "\"Bold \" TextBlockFontStyle\r\n"
        "30 TextBlockWOffset\r\n"
        "90 TextBlockHOffset\r\n"
        "1 TestBlockAlignment\r\n"
        "1 Copies\r\n"
        "-1 Printer\r\n"
        "Portrait PrinterOrientation\r\n"
        "off NoHole\r\n"
        "off BlankSheet\r\n"
        "on FloatingTag\r\n"
        "off AddressLabels\r\n"
        "4.00 Height\r\n"
        "2.00 Width\r\n"
        ".12 HoleWidth\r\n"
        ".12 HoleHeight\r\n"
        "50 HoleWidthOffset\r\n"
        "6 HoleHeightOffset\r\n"
        "100 ImageSize\r\n"
        "50 ImageHorizontalOffset\r\n"
        "50 ImageVerticalOffset\r\n"
        "0 PrintImageAdjust\r\n";
    EXPECT_EQ(setupFileBytes(design), expected);
}

struct StyleCase {
    FontStyle style;
    const char* written;
};

class FontStyleLine : public ::testing::TestWithParam<StyleCase> {};

TEST_P(FontStyleLine, OnlyExactlyBoldItalicOrBothHaveAName) {
    TagDesign design = TagDesign::atFirstActivation();
    Font font = design.settings().textFont;
    font.style = GetParam().style;
    design.setFont(TextPart::Edge, font);
    EXPECT_EQ(setupFileLines(design).at(10),
              QString::fromLatin1(GetParam().written) + QStringLiteral(" TextFontStyle"));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FontStyleLine,
    ::testing::Values(StyleCase{{}, "\"\""}, StyleCase{{.bold = true}, "\"Bold \""},
                      StyleCase{{.italic = true}, "\"Italic \""},
                      StyleCase{{.bold = true, .italic = true}, "\"BoldItalic \""},
                      StyleCase{{.bold = true, .underline = true}, "\"\""},
                      StyleCase{{.italic = true, .strikeOut = true}, "\"\""}));

TEST(SetupFileLines, TheTagSizeIsWrittenAsTheSizeInUseNotAsTyped) {
    TagDesign design = TagDesign::atFirstActivation();
    design.WidthEditKeyUp(QStringLiteral("2.5"));
    EXPECT_THROW(design.HeightEditKeyUp(QStringLiteral("6")), UserError);
    const QStringList lines = setupFileLines(design);
    EXPECT_EQ(lines.at(26), QStringLiteral("4.00 Height"));
    EXPECT_EQ(lines.at(27), QStringLiteral("2.50 Width"));
}

TEST(SetupFileLines, TextsThatWouldBreakTheLineAreMarkedAndOthersWrittenAsTheyAre) {
    TagDesign design = TagDesign::atFirstActivation();
    {
        testing::SlotEdit edit(design, 1);
        edit->FileName = QStringLiteral("/p/\"odd\".bmp"); // quotes not followed by a comma
        edit->ValueText = QStringLiteral("say \"hi\", 50%");
        edit->EdgeText = QStringLiteral("ends in a quote\"");
        edit->TextBlockText = QStringLiteral("Ann Smith\r\n12 High St");
    }
    const QStringList lines = setupFileLines(design);
    ASSERT_EQ(lines.size(), 37);
    EXPECT_EQ(lines.at(0),
              QStringLiteral("Tag1,\"/p/\"odd\".bmp\",0,0,1000,\"\",*\"say %22hi%22, 50%25\","
                             "\"ends in a quote\"\",*\"Ann Smith%0D%0A12 High St\","
                             "0,0,0,16777215,0,100,50,50,99,0"));
}

TEST(DesignTextEncoding, Windows1252WhenEveryCharacterFitsElseUtf8) {
    EXPECT_EQ(encodeDesignText(QStringLiteral("Caf\u00e9 \u20ac5")), QByteArray("Caf\xe9 \x80"
                                                                                "5"));
    const QString greek = QStringLiteral("\u03a9 Caf\u00e9");
    EXPECT_EQ(encodeDesignText(greek), greek.toUtf8());
    EXPECT_FALSE(fitsWindows1252(greek));
    EXPECT_TRUE(fitsWindows1252(QStringLiteral("\u0081\u201c\u0178")));
}

TEST(DesignTextEncoding, ReadsUtf8WithOrWithoutAMarkAndEverythingElseAsWindows1252) {
    EXPECT_EQ(decodeDesignText(QByteArray("Caf\xc3\xa9")), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(decodeDesignText(QByteArray("\xef\xbb\xbf"
                                          "Caf\xc3\xa9")),
              QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(decodeDesignText(QByteArray("Caf\xe9 \x80 \x93x\x94")),
              QStringLiteral("Caf\u00e9 \u20ac \u201cx\u201d"));
    EXPECT_EQ(decodeDesignText(QByteArray("\x81\x8d")), QStringLiteral("\u0081\u008d"));
    // A UTF-8 sequence cut short at the end is not UTF-8.
    EXPECT_EQ(decodeDesignText(QByteArray("a\xc3")), QStringLiteral("a\u00c3"));
}

TEST(SaveSetupFile, AFolderThatDoesNotExistIsReportedWithThePath) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/sheet.vmg"));
    try {
        saveSetupFile(path, TagDesign::atFirstActivation());
        FAIL() << "saved into a missing folder";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace veltmoor
