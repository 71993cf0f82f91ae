#include "design/TextMeasure.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "setupfile/SetupFile.h"
#include "setupfile/SetupFileFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/DesignEditing.h"

#include <gtest/gtest.h>

#include <random>

namespace veltmoor {
namespace {

const img& slotOf(const TagDesign& design, int slot) {
    return design.slot(slot);
}

const PrinterList kPrinters{{QStringLiteral("Office"), QStringLiteral("Labels")}, 0};

OpenSetupFileOptions withPrinters() {
    OpenSetupFileOptions options;
    options.printers = kPrinters;
    return options;
}

class SetupFileRead : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("design.vmg")) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString picture(const QString& name, int width, int height) {
        const QString path = folder_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeBmp24(path, Bitmap(width, height, clAqua));
        return path;
    }

    // Saves the design and opens the file into a fresh design at its first activation.
    TagDesign roundTrip(const TagDesign& design) {
        const QString path = folder_.filePath(QStringLiteral("round.vmg"));
        saveSetupFile(path, design);
        TagDesign reopened = TagDesign::atFirstActivation();
        openSetupFile(path, reopened, withPrinters());
        return reopened;
    }

    QTemporaryDir folder_;
};

// The 36 setting lines of the design at its first activation, the way the format lays them
// out, with the line for setting number `number` (1-based) replaced.
QByteArray settingsWith(std::initializer_list<std::pair<int, const char*>> replacements) {
    QList<QByteArray> lines = {"1 CutLine",
                               "0 TagType",
                               "\"Times New Roman\" ValueFontName",
                               "18 ValueFontSize",
                               "0 ValueFontColor",
                               "\"Bold \" ValueFontStyle",
                               "2 ValuePlace",
                               "\"Arial\" TextFontName",
                               "10 TextFontSize",
                               "255 TextFontColor",
                               "\"Bold \" TextFontStyle",
                               "3 TextPlace",
                               "\"Times New Roman\" TextBlockFontName",
                               "10 TextBlockFontSize",
                               "-16777208 TextBlockFontColor",
                               "\"Bold \" TextBlockFontStyle",
                               "30 TextBlockWOffset",
                               "90 TextBlockHOffset",
                               "1 TestBlockAlignment",
                               "1 Copies",
                               "-1 Printer",
                               "Portrait PrinterOrientation",
                               "off NoHole",
                               "off BlankSheet",
                               "on FloatingTag",
                               "off AddressLabels",
                               "4.00 Height",
                               "2.00 Width",
                               ".12 HoleWidth",
                               ".12 HoleHeight",
                               "50 HoleWidthOffset",
                               "6 HoleHeightOffset",
                               "100 ImageSize",
                               "50 ImageHorizontalOffset",
                               "50 ImageVerticalOffset",
                               "0 PrintImageAdjust"};
    for (const auto& [number, text] : replacements) {
        lines[number - 1] = text;
    }
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

TEST_F(SetupFileRead, OpensAFileAsTheOriginalProgramWroteIt) {
    const QString data = QStringLiteral(VELTMOOR_TEST_DATA "/setupfile");
    TagDesign design = TagDesign::atFirstActivation();
    const TagDesign before = design;
    const OpenSetupFileResult result =
        openSetupFile(data + QStringLiteral("/two-tags.vmg"), design, withPrinters());

    const img& two = slotOf(design, 2);
    EXPECT_EQ(two.FileName, QDir::cleanPath(data + QStringLiteral("/pics/red.bmp")));
    EXPECT_EQ(two.SourceFileName, two.FileName);
    EXPECT_EQ(two.PictureWidth, 6); // the picture as it is now, not the stored 640 x 480
    EXPECT_EQ(two.PictureHeight, 4);
    EXPECT_EQ(two.AspectPermille, 666);
    EXPECT_EQ(two.ValueText, QStringLiteral("Aug 17, 2002"));
    EXPECT_EQ(two.EdgeText, QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(two.TextBlockText, QStringLiteral("Line one"));
    EXPECT_EQ(two.TextColor, 255u);
    EXPECT_EQ(two.BackgroundColor, clWhite);
    EXPECT_EQ(two.CutLineColor, clRed);
    EXPECT_EQ(two.ImageSize, 90);
    EXPECT_EQ(two.ImageHorizontalOffset, 40);
    EXPECT_EQ(two.ImageVerticalOffset, 60);
    EXPECT_EQ(two.ColoringType, 99);

    const img& five = slotOf(design, 5);
    EXPECT_EQ(five.FileName, QDir::cleanPath(data + QStringLiteral("/pics/gone.jpg")));
    EXPECT_EQ(five.PictureWidth, 100);
    EXPECT_EQ(five.AspectPermille, 2000);
    EXPECT_EQ(five.TextBlockColor, clBlue);
    EXPECT_EQ(five.BackgroundColor, 0x00FFFFu);
    EXPECT_EQ(five.CutLineColor, clBlack);
    EXPECT_EQ(five.ColoringType, 3);
    EXPECT_EQ(five.ColoringColor, 0x808080u);

    for (const int untouched : {0, 1, 3, 4, 6, 7, 8, 9, 10}) {
        EXPECT_EQ(slotOf(design, untouched).CutLineColor, before.slot(untouched).CutLineColor);
        EXPECT_TRUE(slotOf(design, untouched).FileName.isEmpty());
    }

    const TagSettings& settings = design.settings();
    EXPECT_EQ(settings.cutLineType, 1);
    EXPECT_EQ(settings.shapeIndex, 12);
    EXPECT_EQ(settings.valueFont, (Font{QStringLiteral("Arial"), 16, {.italic = true}, 255}));
    EXPECT_EQ(settings.valuePlace, 3);
    EXPECT_EQ(settings.textFont, (Font{QStringLiteral("Times New Roman"), 12, {}, 32768}));
    EXPECT_EQ(settings.edgePlace, 0);
    EXPECT_EQ(settings.textBlockFont,
              (Font{QStringLiteral("Arial"), 9, {.bold = true, .italic = true}, clWindowText}));
    EXPECT_EQ(settings.textBlockWidthOffset, 40);
    EXPECT_EQ(settings.textBlockHeightOffset, 70);
    EXPECT_EQ(settings.textBlockAlignment, 2);
    EXPECT_EQ(design.printer().copies, 3);
    EXPECT_EQ(design.printer().index, 1);
    EXPECT_EQ(design.printer().name, QStringLiteral("Labels"));
    EXPECT_TRUE(design.printer().landscape);
    EXPECT_EQ(settings.hole, (HoleSettings{20, 15, 40, 90, true}));
    EXPECT_FALSE(settings.blankSheet);
    EXPECT_FALSE(design.floatingTag());
    EXPECT_FALSE(design.addressLabels());
    EXPECT_EQ(design.tagSize().heightHundredths, 350);
    EXPECT_EQ(design.tagSize().widthHundredths, 175);
    EXPECT_EQ(design.tagWidthDots(), 350);
    EXPECT_EQ(design.tagHeightDots(), 700);
    EXPECT_EQ(design.percentPosition(PercentField::ImageSize), 90);
    EXPECT_EQ(design.percentPosition(PercentField::ImageHorizontalOffset), 40);
    EXPECT_EQ(design.percentPosition(PercentField::ImageVerticalOffset), 60);
    EXPECT_EQ(design.reloadFromFiles(), ReloadFlag::No);
    EXPECT_EQ(design.currentSlot(), 1); // the shape changed

    ASSERT_EQ(result.pictureProblems.size(), 1u);
    EXPECT_EQ(result.pictureProblems[0].slot, 5);
    EXPECT_EQ(result.pictureProblems[0].path, five.FileName);
    EXPECT_TRUE(result.pictureProblemMessage().contains(five.FileName));
}

TEST_F(SetupFileRead, PicturesLoadInSlotOrderAndAnUnreadableOneIsListedWithoutStoppingTheOpen) {
    picture(QStringLiteral("pics/a.bmp"), 8, 2);
    picture(QStringLiteral("pics/b.bmp"), 3, 9);
    write("not a picture", QStringLiteral("broken.jpg"));
    const QByteArray tail = ",1,1,1000,\"\",\"\",\"\",\"\",0,0,0,0,0,100,50,50,99,0\r\n";
    const QString path =
        write("Tag1,\"broken.jpg\"" + tail + "Tag3,\"pics/a.bmp\"" + tail + "Tag7,\"pics/b.bmp\"" +
              tail + settingsWith({{24, "on BlankSheet"}}));
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions options = withPrinters();
    std::vector<std::pair<int, int>> loaded;
    options.pictureLoaded = [&](int slot, const DecodedPicture& decoded) {
        loaded.emplace_back(slot, decoded.width * 100 + decoded.height);
    };
    const OpenSetupFileResult result = openSetupFile(path, design, options);
    EXPECT_EQ(loaded, (std::vector<std::pair<int, int>>{{3, 802}, {7, 309}}));
    EXPECT_EQ(slotOf(design, 3).AspectPermille, 250);
    EXPECT_EQ(slotOf(design, 7).AspectPermille, 3000);
    ASSERT_EQ(result.pictureProblems.size(), 1u);
    EXPECT_EQ(result.pictureProblems[0].slot, 1);
    EXPECT_FALSE(result.pictureProblems[0].reason.isEmpty());
    EXPECT_EQ(slotOf(design, 1).PictureWidth, 1); // keeps what the file said
    EXPECT_TRUE(design.settings().blankSheet);
    EXPECT_EQ(design.currentSlot(), 0); // the shape stayed Standard: no shape change ran
}

TEST_F(SetupFileRead, AFileWithOnlySlotFiveLeavesTheOtherSlotsAsTheyWere) {
    TagDesign design = TagDesign::atFirstActivation();
    testing::SlotEdit(design, 3)->FileName = QStringLiteral("/kept/three.bmp");
    testing::SlotEdit(design, 3)->ValueText = QStringLiteral("three");
    const QString path = write(
        "Tag5,\"/nowhere/five.bmp\",10,10,1000,\"/nowhere/five.bmp\",\"five\",\"\",\"\",0,0,0,"
        "16777215,0,100,50,50,99,0\r\n" +
        settingsWith({}));
    openSetupFile(path, design, withPrinters());
    EXPECT_EQ(slotOf(design, 5).ValueText, QStringLiteral("five"));
    EXPECT_EQ(slotOf(design, 3).FileName, QStringLiteral("/kept/three.bmp"));
    EXPECT_EQ(slotOf(design, 3).ValueText, QStringLiteral("three"));
}

TEST_F(SetupFileRead, TextsSurviveASaveAndAnOpen) {
    TagDesign design = TagDesign::atFirstActivation();
    const QStringList texts = {QStringLiteral("Aug 17, 2002"),
                               QStringLiteral("Ann Smith\r\n12 High St\r\nSpringfield"),
                               QStringLiteral("say \"hi\", then go"),
                               QStringLiteral("ends in a quote\""),
                               QStringLiteral("\"starts with one"),
                               QStringLiteral("50% off, \"%22\" is not an escape"),
                               QStringLiteral("lone\nline feed and tab\there"),
                               QStringLiteral("\u03a9 and Caf\u00e9")};
    for (int index = 0; index < texts.size(); ++index) {
        testing::SlotEdit edit(design, 1 + index % 9);
        img& record = *edit;
        record.FileName = QStringLiteral("/p/%1,\"x\".bmp").arg(index);
        record.ValueText = texts.at(index);
        record.EdgeText = texts.at(texts.size() - 1 - index);
        record.TextBlockText = texts.at(index);
    }
    TagDesign reopened = roundTrip(design);
    for (int slot = 1; slot <= 8; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(slotOf(reopened, slot).FileName, slotOf(design, slot).FileName);
        EXPECT_EQ(slotOf(reopened, slot).ValueText, slotOf(design, slot).ValueText);
        EXPECT_EQ(slotOf(reopened, slot).EdgeText, slotOf(design, slot).EdgeText);
        EXPECT_EQ(slotOf(reopened, slot).TextBlockText, slotOf(design, slot).TextBlockText);
    }
}

TEST_F(SetupFileRead, EverySettingSurvivesASaveAndAnOpen) {
    TagDesign design = TagDesign::atFirstActivation();
    for (int slot = 1; slot <= 9; slot += 4) {
        testing::SlotEdit edit(design, slot);
        img& record = *edit;
        record.FileName = QStringLiteral("/gone/%1.jpg").arg(slot);
        record.SourceFileName = QStringLiteral("/gone/Original %1.JPG").arg(slot);
        record.PictureWidth = 100 + slot;
        record.PictureHeight = 200 + slot;
        record.AspectPermille = 1900 + slot;
        record.ValueColor = 0x010203u * static_cast<TColor>(slot);
        record.TextColor = clWindowText;
        record.TextBlockColor = 0x00ABCDEFu;
        record.BackgroundColor = 0x00123456u;
        record.CutLineColor = 0x00FF00FFu;
        record.ImageSize = 10 * slot;
        record.ImageHorizontalOffset = slot;
        record.ImageVerticalOffset = 100 - slot;
        record.ColoringType = slot;
        record.ColoringColor = 0x00777777u;
    }
    design.setCutLineType(0);
    design.setShape(13);
    design.setFont(TextPart::Value,
                   Font{QStringLiteral("Arial"), 22, {.italic = true}, 0x00112233u});
    design.setValuePlace(1);
    design.setFont(TextPart::Edge, Font{QStringLiteral("Times New Roman"), 7, {}, clBlue});
    design.setEdgePlace(2);
    design.setFont(
        TextPart::TextBlock,
        Font{QStringLiteral("Courier New"), 11, {.bold = true, .italic = true}, clGreen});
    design.setTextBlockPosition(3, 97);
    design.setTextBlockAlignment(2);
    design.setHole(HoleSettings{33, 7, 21, 88, true});
    design.setBlankSheet(true);
    design.setCopies(4);
    design.selectPrinter(kPrinters, 1);
    design.setPrinterPaper(QString(), true);
    design.setFloatingTag(false);
    design.openFileValues({.widthHundredths = 125, .heightHundredths = 480}, {160, 11, 89, -12});

    const TagDesign reopened = roundTrip(design);
    EXPECT_EQ(setupFileLines(reopened), setupFileLines(design));
    EXPECT_EQ(reopened.settings().shapeIndex, 13);
    EXPECT_EQ(reopened.settings().hole.heightOffset, 88); // the file's, not mirrored again
    EXPECT_EQ(reopened.tagWidthDots(), 250);
    EXPECT_EQ(reopened.tagHeightDots(), 960);
    EXPECT_EQ(reopened.printer().name, QStringLiteral("Labels"));
    EXPECT_EQ(reopened.slot(5).SourceFileName, QStringLiteral("/gone/Original 5.JPG"));
}

TEST_F(SetupFileRead, KeyWordsAreIgnoredLineEndsMayBeLfAndTheLastMayBeMissing) {
    const QByteArray original = settingsWith({{2, "6 TagType"},
                                              {22, "Landscape PrinterOrientation"},
                                              {23, "on NoHole"},
                                              {28, "2.50 Width"}});
    QByteArray renamed;
    int number = 0;
    for (const QByteArray& line : original.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QByteArray value = line.left(line.lastIndexOf(' '));
        renamed += value + " Condition" + QByteArray::number(++number) + "\n";
    }
    renamed.chop(1);
    TagDesign fromOriginal = TagDesign::atFirstActivation();
    TagDesign fromRenamed = TagDesign::atFirstActivation();
    openSetupFile(write(original, QStringLiteral("a.vmg")), fromOriginal, withPrinters());
    openSetupFile(write(renamed, QStringLiteral("b.vmg")), fromRenamed, withPrinters());
    EXPECT_EQ(setupFileLines(fromRenamed), setupFileLines(fromOriginal));
    EXPECT_TRUE(fromRenamed.printer().landscape);
    EXPECT_TRUE(fromRenamed.settings().hole.noHole);
    EXPECT_EQ(fromRenamed.tagWidthDots(), 500);
}

TEST_F(SetupFileRead, AnOrientationLineContainingLandscapeIsLandscape) {
    const struct {
        const char* line;
        bool landscape;
    } orientations[] = {{"Landscape PrinterOrientation", true},
                        {"\"Landscape\" PrinterOrientation", true},
                        {"PrinterOrientation Landscape", true},
                        {"Portrait PrinterOrientation", false},
                        {"landscape PrinterOrientation", false}};
    for (const auto& orientation : orientations) {
        TagDesign design = TagDesign::atFirstActivation();
        openSetupFile(write(settingsWith({{22, orientation.line}})), design, withPrinters());
        EXPECT_EQ(design.printer().landscape, orientation.landscape) << orientation.line;
    }
}

TEST_F(SetupFileRead, SizesAreReadAsInchTextsAndLimitedToTheFieldsRange) {
    TagDesign design = TagDesign::atFirstActivation();
    // "2.5" is what an older save wrote while the user was typing: it meant 2.50 inches.
    openSetupFile(write(settingsWith({{27, "2.5 Height"},
                                      {28, ".3 Width"},
                                      {29, "1 HoleWidth"},
                                      {31, "0 HoleWidthOffset"},
                                      {20, "9 Copies"}})),
                  design, withPrinters());
    EXPECT_EQ(design.tagSize().heightHundredths, 250);
    EXPECT_EQ(design.tagSize().widthHundredths, 50);
    EXPECT_EQ(design.tagWidthDots(), 100);
    EXPECT_EQ(design.settings().hole.width, 50);
    EXPECT_EQ(design.settings().hole.widthOffset, 1);
    EXPECT_EQ(design.printer().copies, 4);
}

TEST_F(SetupFileRead, APrinterNumberNamingNoPrinterHereSelectsTheDefault) {
    TagDesign design = TagDesign::atFirstActivation();
    openSetupFile(write(settingsWith({{21, "5 Printer"}})), design, withPrinters());
    EXPECT_EQ(design.printer().index, 0);
    EXPECT_EQ(design.printer().name, QStringLiteral("Office"));
}

TEST_F(SetupFileRead, AddressLabelsFromAFileApplyBeforeTheSizeLines) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setSlotChecked(4, false);
    const QByteArray tagLines = "Tag2,\"/x/2.bmp\",1,1,1000,\"/x/"
                                "2.bmp\",\"$5\",\"SALE\",\"Ann\",0,0,0,0,0,100,50,70,99,0\r\n"
                                "Tag4,\"/x/4.bmp\",1,1,1000,\"/x/"
                                "4.bmp\",\"$6\",\"SALE\",\"Bo\",0,0,0,0,0,100,50,70,99,0\r\n";
    const QByteArray settings = settingsWith({{2, "12 TagType"},
                                              {23, "off NoHole"},
                                              {17, "33 TextBlockWOffset"},
                                              {26, "on AddressLabels"},
                                              {27, "1.50 Height"},
                                              {28, "3.00 Width"}});
    const QString path = write(tagLines + settings);
    // Opening twice: the labels apply whether or not the box was checked before.
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        openSetupFile(path, design, withPrinters());
        EXPECT_TRUE(design.addressLabels());
        EXPECT_EQ(design.settings().shapeIndex, kShapeRectangle);
        EXPECT_TRUE(design.settings().hole.noHole);
        EXPECT_EQ(design.settings().textBlockWidthOffset, 50);
        EXPECT_EQ(design.settings().textBlockHeightOffset, 25);
        EXPECT_EQ(design.settings().textBlockAlignment, kAlignLeft);
        EXPECT_EQ(slotOf(design, 2).ImageSize, 85);
        EXPECT_EQ(slotOf(design, 2).ImageHorizontalOffset, 22);
        EXPECT_EQ(slotOf(design, 2).ImageVerticalOffset, 70);
        EXPECT_TRUE(slotOf(design, 2).ValueText.isEmpty());
        EXPECT_TRUE(slotOf(design, 2).EdgeText.isEmpty());
        EXPECT_EQ(slotOf(design, 2).TextBlockText, QStringLiteral("Ann"));
        // Slot 4's box is not checked: the labels do not reach it.
        EXPECT_EQ(slotOf(design, 4).ImageSize, 100);
        EXPECT_EQ(slotOf(design, 4).ValueText, QStringLiteral("$6"));
        // The size lines come after the labels and win.
        EXPECT_EQ(design.tagWidthDots(), 600);
        EXPECT_EQ(design.tagHeightDots(), 300);
        EXPECT_EQ(design.reloadFromFiles(), ReloadFlag::No);
    }
}

TEST_F(SetupFileRead, TheShapeArrivesThroughTheShapeChangeRule) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setCurrentSlot(4);
    // The hole line of the file comes after the shape and is the hole's stored place.
    openSetupFile(write(settingsWith({{2, "11 TagType"}, {32, "91 HoleHeightOffset"}})), design,
                  withPrinters());
    EXPECT_EQ(design.settings().shapeIndex, 11);
    EXPECT_EQ(design.currentSlot(), 1);
    EXPECT_EQ(design.settings().hole.heightOffset, 91);
}

TEST_F(SetupFileRead, TheCurrentSlotsTextBlockIsMeasuredInTheFontTheFileBrings) {
    TagDesign design = TagDesign::atFirstActivation();
    const QString path = write(
        "Tag1,\"/x/1.bmp\",1,1,1000,\"/x/"
        "1.bmp\",\"\",\"\",*\"WW%0D%0AW\",0,0,0,0,0,100,50,50,99,0\r\n" +
        settingsWith(
            {{2, "1 TagType"}, {13, "\"Arial\" TextBlockFontName"}, {14, "15 TextBlockFontSize"}}));
    openSetupFile(path, design, withPrinters());
    ASSERT_EQ(design.currentSlot(), 1);
    EXPECT_EQ(design.settings().TextBlockWidth,
              measureTextWidth(Font{QStringLiteral("Arial"), 30, {}}, QStringLiteral("WW")));
}

struct BrokenFile {
    const char* what;
    QByteArray bytes;
    int line;
    const char* messagePart;
};

const QByteArray kGoodTag1 =
    "Tag1,\"/x/1.bmp\",1,1,1000,\"/x/1.bmp\",\"new\",\"\",\"\",0,0,0,0,0,100,50,50,99,0\r\n";

std::vector<BrokenFile> brokenFiles() {
    QByteArray shortFile = settingsWith({});
    shortFile.chop(QByteArray("0 PrintImageAdjust\r\n").size());
    return {
        {"empty", QByteArray(), 1, "0 of the 36 setting lines"},
        {"35 settings", kGoodTag1 + shortFile, 37, "35 of the 36"},
        {"picture width",
         "Tag2,\"/x.bmp\",6x4,1,1000,\"\",\"\",\"\",\"\",0,0,0,0,0,100,50,50,99,0\r\n" +
             settingsWith({}),
         1, "picture width \"6x4\" is not a number"},
        {"slot digit 0",
         kGoodTag1 + "Tag0,\"/x.bmp\",1,1,1000,\"\",\"\",\"\",\"\",0,0,0,0,0,100,50,50,99,0\r\n" +
             settingsWith({}),
         2, "Tag0"},
        {"slot letter", "TagX,\"/x.bmp\"\r\n" + settingsWith({}), 1, "TagX"},
        {"cut short",
         kGoodTag1 + "Tag3,\"/x.bmp\",1,1,1000,\"\",\"\",\"\",\"\",0,0\r\n" + settingsWith({}), 2,
         "ends at its edge text colour, before all 18 fields"},
        {"unquoted text",
         "Tag3,\"/x.bmp\",1,1,1000,\"\",corner,\"\",\"\",0,0,0,0,0,100,50,50,99,0\r\n" +
             settingsWith({}),
         1, "corner text does not begin with a double quote"},
        {"picture size",
         "Tag3,\"/x.bmp\",1,1,1000,\"\",\"\",\"\",\"\",0,0,0,0,0,900,50,50,99,0\r\n" +
             settingsWith({}),
         1, "picture size 900 is out of range (0 to 200)"},
        {"colouring",
         "Tag3,\"/x.bmp\",1,1,1000,\"\",\"\",\"\",\"\",0,0,0,0,0,100,50,50,20,0\r\n" +
             settingsWith({}),
         1, "colouring 20"},
        {"last field",
         "Tag3,\"/x.bmp\",1,1,1000,\"\",\"\",\"\",\"\",0,0,0,0,0,100,50,50,99,0,7\r\n" +
             settingsWith({}),
         1, "colouring colour \"0,7\" is not a number"},
        {"damaged escape",
         "Tag3,\"/x.bmp\",1,1,1000,\"\",*\"a%4\",\"\",\"\",0,0,0,0,0,100,50,50,99,0\r\n" +
             settingsWith({}),
         1, "damaged"},
        {"shape 15", kGoodTag1 + settingsWith({{2, "15 TagType"}}), 3,
         "tag shape 15 is out of range (0 to 14)"},
        {"cut line", settingsWith({{1, "-1 CutLine"}}), 1, "cut line -1"},
        {"font name", settingsWith({{8, "Arial TextFontName"}}), 8, "not in double quotes"},
        {"font size", settingsWith({{4, "big ValueFontSize"}}), 4,
         "font size \"big\" is not a number"},
        {"font size 0", settingsWith({{14, "0 TextBlockFontSize"}}), 14, "font size 0"},
        {"colour", settingsWith({{10, "red TextFontColor"}}), 10, "font colour \"red\""},
        {"corner place", settingsWith({{7, "4 ValuePlace"}}), 7, "corner text place 4"},
        {"alignment", settingsWith({{19, "3 TestBlockAlignment"}}), 19, "alignment 3"},
        {"on or off", settingsWith({{25, "maybe FloatingTag"}}), 25, "neither on nor off"},
        {"width", settingsWith({{28, "2,5 Width"}}), 28,
         "tag width \"2,5\" is not a size in inches"},
        {"height", settingsWith({{27, "1.2.3 Height"}}), 27, "tag height \"1.2.3\""},
        {"hole offset", settingsWith({{32, "6% HoleHeightOffset"}}), 32,
         "hole height offset \"6%\""},
        {"copies", kGoodTag1 + settingsWith({{20, "one Copies"}}), 21, "number of copies"},
    };
}

TEST_F(SetupFileRead, ABrokenFileIsRefusedWithItsLineAndTheDesignStaysAsItWas) {
    for (const BrokenFile& broken : brokenFiles()) {
        SCOPED_TRACE(broken.what);
        TagDesign design = TagDesign::atFirstActivation();
        testing::SlotEdit(design, 1)->ValueText = QStringLiteral("old");
        design.setCurrentSlot(6);
        const TagDesign before = design;
        const QString path = write(broken.bytes, QStringLiteral("broken.vmg"));
        try {
            openSetupFile(path, design, withPrinters());
            ADD_FAILURE() << "the file was accepted";
        } catch (const UserError& error) {
            const QString expectedStart =
                QStringLiteral("%1, line %2: ").arg(path).arg(broken.line);
            EXPECT_TRUE(error.message().startsWith(expectedStart)) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(broken.messagePart)))
                << error.message().toStdString();
        }
        EXPECT_EQ(setupFileLines(design), setupFileLines(before));
        EXPECT_EQ(slotOf(design, 1).ValueText, QStringLiteral("old"));
        EXPECT_EQ(design.currentSlot(), 6);
        EXPECT_EQ(design.reloadFromFiles(), before.reloadFromFiles());
    }
}

TEST_F(SetupFileRead, AFileThatCannotBeReadIsReportedWithItsName) {
    TagDesign design = TagDesign::atFirstActivation();
    const QString path = folder_.filePath(QStringLiteral("absent.vmg"));
    try {
        openSetupFile(path, design, withPrinters());
        FAIL() << "a missing file opened";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().contains(path));
    }
}

TEST(SetupFileParse, DamagedFilesAreEitherReadOrRefusedWithAMessage) {
    QFile example(QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/two-tags.vmg"));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QByteArray original = example.readAll();
    std::mt19937 random(20240607);
    const char replacements[] = {'"', ',', '\r', '\n', '*', '%', ' ', '9', '\xc3', 'T'};
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = original;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int edit = 0; edit < edits; ++edit) {
            const auto at =
                static_cast<qsizetype>(random() % static_cast<unsigned>(damaged.size()));
            switch (random() % 3) {
            case 0:
                damaged[at] = replacements[random() % sizeof(replacements)];
                break;
            case 1:
                damaged.remove(at, 1 + static_cast<qsizetype>(random() % 40));
                break;
            default:
                damaged.insert(at, replacements[random() % sizeof(replacements)]);
            }
            if (damaged.isEmpty()) {
                damaged = "T";
            }
        }
        try {
            parseSetupFileBytes(damaged, QStringLiteral("damaged.vmg"));
        } catch (const UserError& error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("damaged.vmg, line ")))
                << error.message().toStdString();
        }
    }
}

} // namespace
} // namespace veltmoor
