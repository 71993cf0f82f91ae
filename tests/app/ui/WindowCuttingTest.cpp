// Marks for a cutting machine chosen on "Control", and the two "File" items for the machine.
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// Letter paper, all of it printable at 600 dots per inch: 203.2 x 266.7 mm, 1600 x 2100 dots;
// past the welcome page with a red picture for tag 1 and 2.00 x 4.00 in tags.
struct Cutting : testing::WindowHarness {
    Cutting() : WindowHarness(onLetterPage()) {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
    }
    static WindowServices onLetterPage() {
        WindowServices services;
        services.readPrinterMetrics = [](const PrinterSelection&) {
            PrinterMetrics metrics = testing::eightByTenPage();
            metrics.PageHeight = 6300;
            return metrics;
        };
        return services;
    }
    void chooseMarks(CuttingMarks marks) {
        control<QComboBox>(QStringLiteral("CuttingMarksComboBox"))
            ->setCurrentIndex(static_cast<int>(marks));
        settle();
    }
    QString file(const char* name) { return folder.filePath(QLatin1String(name)); }
};

// A 5 mm square 10 mm in from the top-left corner, and 20 mm L-brackets 0.3 mm thick with
// their outer corner 10 mm in from the top-right and bottom-left corners. At 200 dots per
// inch: 10 mm = 78.7 dots, 15 mm = 118.1, 30 mm = 236.2; 193.2 mm = 1521.3, 173.2 mm = 1363.8;
// 256.7 mm = 2021.3.
TEST(WindowCuttingTest, ThePreviewShowsTheChosenMarksWhichTheDesignFileKeeps) {
    Cutting h;
    h.chooseMarks(CuttingMarks::ThreeMark);
    // 17 mm kept free on each side leave 169.2 mm (6.66 in) across: three tags, not four,
    // and the label says where the fourth went.
    EXPECT_EQ(testing::control<QLabel>(h.w(), QStringLiteral("TesselSizeLabel"))->text(),
              QStringLiteral("Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 3 (the marks "
                             "for the cutting machine take the room of 1 column)"));
    h.control<QPushButton>(QStringLiteral("PreviewButton"))->click();
    const Bitmap& sheet = h.w().SheetBitmap();
    ASSERT_EQ(sheet.width(), 1600);
    const struct {
        int x, y;
        TColor color;
    } dots[] = {{79, 79, clBlack},    {117, 117, clBlack},   {78, 100, clWhite},
                {118, 100, clWhite},  {1364, 79, clBlack},   {1520, 235, clBlack},
                {1521, 80, clWhite},  {80, 2020, clBlack},   {80, 2021, clWhite},
                {235, 2019, clBlack}, {1521, 2020, clWhite}, // no fourth mark
                {150, 1000, clWhite}}; // the grid's left margin is (1600 - 3 x 400) / 2
    for (const auto& dot : dots) {
        EXPECT_EQ(sheet.pixelColor(dot.x, dot.y), dot.color) << dot.x << "," << dot.y;
    }

    h.prompts.answerPath(h.file("marked.vmg"));
    h.w().SaveAsItem->trigger();
    h.chooseMarks(CuttingMarks::None);
    h.prompts.answerPath(h.file("marked.vmg"));
    h.w().OpenItem->trigger();
    h.settle();
    EXPECT_EQ(h.design().cuttingMarks(), CuttingMarks::ThreeMark);
    EXPECT_EQ(h.control<QComboBox>(QStringLiteral("CuttingMarksComboBox"))->currentText(),
              QStringLiteral("3-mark"));
    EXPECT_EQ(h.prompts.messages, QStringList());
}

TEST(WindowCuttingTest, TheFileItemsWriteCutFilesAndPicturesOrSayWhyNot) {
    Cutting h;
    h.chooseMarks(CuttingMarks::ThreeMark);
    h.prompts.answerPath(h.file("sheet.svg"));
    h.w().SaveCutFileItem->trigger();
    QFile svg(h.file("sheet.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll().count("<rect"), 5);
    h.prompts.cancelNext(); // Cancel on "the whole sheet?" asks and writes nothing more
    h.w().SaveTagsForCuttingMachineItem->trigger();
    EXPECT_TRUE(h.prompts.asked.last().startsWith(QLatin1String("askYesNoCancel")));
    EXPECT_TRUE(h.prompts.unanswered.isEmpty());
    h.prompts.answerYes(); // the whole sheet
    h.prompts.answerPath(h.file("sheet.png"));
    h.w().SaveTagsForCuttingMachineItem->trigger();
    const QImage sheet(h.file("sheet.png"));
    EXPECT_EQ(qAlpha(sheet.pixel(98, 98)), 0); // the square mark is no tag
    EXPECT_EQ(qAlpha(sheet.pixel(400, 650)), 255);
    EXPECT_EQ(h.prompts.messages, QStringList());

    h.prompts.answerPath(h.file("missing/sheet.dxf"));
    h.w().SaveCutFileItem->trigger();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages.front().contains(h.file("missing/sheet.dxf")));
}

} // namespace
} // namespace veltmoor
