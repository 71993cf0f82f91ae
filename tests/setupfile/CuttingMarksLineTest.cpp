#include "platform/Errors.h"
#include "setupfile/SetupFileFormat.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// A design with no picture: its file is the 36 setting lines alone, so the marks line, when
// there is one, is line 37.
QStringList linesWithMarks(CuttingMarks marks) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setCuttingMarks(marks);
    return setupFileLines(design);
}

TEST(CuttingMarksLine, WrittenAfterTheThirtySixOnlyWhenMarksAreOn) {
    const QStringList none = linesWithMarks(CuttingMarks::None);
    ASSERT_EQ(none.size(), kSettingLineCount);
    EXPECT_EQ(none.last(), "0 PrintImageAdjust");

    const QStringList four = linesWithMarks(CuttingMarks::FourMark);
    ASSERT_EQ(four.size(), kSettingLineCount + 1);
    EXPECT_EQ(four.mid(0, kSettingLineCount), none); // the 36 lines stay as they were
    EXPECT_EQ(four.last(), "4 CuttingMarks");
}

TEST(CuttingMarksLine, ReadBackAndOlderFilesReadAsNone) {
    for (const CuttingMarks marks :
         {CuttingMarks::None, CuttingMarks::ThreeMark, CuttingMarks::FourMark}) {
        EXPECT_EQ(parseSetupFileLines(linesWithMarks(marks), "d.vmg").settings.cuttingMarks, marks);
    }
    // Whatever else follows the 36 lines is passed over as before.
    QStringList other = linesWithMarks(CuttingMarks::None);
    other << "something else";
    EXPECT_EQ(parseSetupFileLines(other, "d.vmg").settings.cuttingMarks, CuttingMarks::None);
}

TEST(CuttingMarksLine, BadValueNamesTheFileAndLine) {
    QStringList lines = linesWithMarks(CuttingMarks::None);
    lines << "7 CuttingMarks";
    try {
        parseSetupFileLines(lines, "sheet.vmg");
        FAIL() << "marks 7 were accepted";
    } catch (const UserError& error) {
        EXPECT_EQ(error.message(), "sheet.vmg, line 37: the marks for the cutting machine \"7\" "
                                   "are not none, 3 or 4.");
    }
}

// The paper chosen in the printer set-up follows the marks; either line may stand alone.
TEST(PaperLine, WrittenAfterTheThirtySixWhenChosenAndReadBackWithTheMarks) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setPrinterPaper(QStringLiteral("A5"), false);
    for (const CuttingMarks marks : {CuttingMarks::None, CuttingMarks::ThreeMark}) {
        design.setCuttingMarks(marks);
        const QStringList lines = setupFileLines(design);
        EXPECT_EQ(lines.mid(0, kSettingLineCount), linesWithMarks(CuttingMarks::None));
        EXPECT_EQ(lines.last(), "\"A5\" PrinterPaper");
        const SetupFileSettings read = parseSetupFileLines(lines, "d.vmg").settings;
        EXPECT_EQ(read.paper, "A5");
        EXPECT_EQ(read.cuttingMarks, marks);
    }
    EXPECT_TRUE(parseSetupFileLines(linesWithMarks(CuttingMarks::FourMark), "d.vmg")
                    .settings.paper.isEmpty());
}

} // namespace
} // namespace veltmoor
