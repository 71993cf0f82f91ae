// Marks for a cutting machine chosen on "Control", and the two "File" items that save what the
// machine cuts by.
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::WindowHarness;

// Letter paper taken whole as the printable area at 600 dots per inch: 8.00 x 10.50 inches,
// 203.2 x 266.7 mm, a sheet of 1600 x 2100 tag dots.
WindowServices onLetterPage(WindowServices services = {}) {
    services.readPrinterMetrics = [] {
        PrinterMetrics metrics = testing::eightByTenPage();
        metrics.PageHeight = 6300;
        return metrics;
    };
    return services;
}

// Past the welcome page with a red picture for tag 1 and the default 2.00 x 4.00 in tags.
struct Cutting : WindowHarness {
    explicit Cutting(WindowServices services = onLetterPage())
        : WindowHarness(std::move(services)) {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
    }
    void chooseMarks(CuttingMarks marks) {
        w().CuttingMarksComboBox->setCurrentIndex(static_cast<int>(marks));
        settle();
    }
    QString sizeLabel() { return w().TesselSizeLabel->text(); }
};

TEST(WindowCuttingTest, TheMarksChoiceIsSavedWithTheDesignAndComesBack) {
    Cutting h;
    h.chooseMarks(CuttingMarks::FourMark);
    const QString file = h.folder.filePath(QStringLiteral("marked.vmg"));
    h.prompts.answerPath(file);
    h.w().SaveAsItem->trigger();
    h.chooseMarks(CuttingMarks::None);
    ASSERT_EQ(h.design().cuttingMarks, CuttingMarks::None);

    h.prompts.answerPath(file);
    h.w().OpenItem->trigger();
    h.settle();
    EXPECT_EQ(h.design().cuttingMarks, CuttingMarks::FourMark);
    EXPECT_EQ(h.w().CuttingMarksComboBox->currentText(), QStringLiteral("4-mark"));
    EXPECT_EQ(h.prompts.messages, QStringList());
}

// The sheet of the preview: a 5 mm square at 10 mm in from the top-left corner, an L-bracket
// 20 mm long and 0.3 mm thick whose outer corner is 10 mm in from the top-right and the
// bottom-left corners. At 200 dots per inch: 10 mm = 78.7 dots, 15 mm = 118.1, 30 mm = 236.2;
// 193.2 mm = 1521.3, 192.9 mm = 1518.9, 173.2 mm = 1363.8; 256.7 mm = 2021.3, 256.4 mm = 2018.9.
TEST(WindowCuttingTest, ThePreviewedSheetCarriesTheMarksAndTheGridKeepsClearOfThem) {
    Cutting h;
    EXPECT_EQ(h.sizeLabel(),
              QStringLiteral("Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4"));
    h.chooseMarks(CuttingMarks::ThreeMark);
    // 17 mm kept free on each side leave 169.2 mm (6.66 in) across: three tags.
    EXPECT_EQ(h.sizeLabel(),
              QStringLiteral("Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 3"));
    h.w().PreviewButton->click();
    const Bitmap& sheet = h.w().SheetBitmap();
    ASSERT_EQ(sheet.width(), 1600);

    struct Dot {
        int x, y;
        TColor color;
    };
    const Dot dots[] = {
        {79, 79, clBlack},     {117, 117, clBlack},  {78, 100, clWhite},   {118, 100, clWhite},
        {100, 78, clWhite},    {1520, 80, clBlack},  {1364, 79, clBlack},  {1362, 80, clWhite},
        {1521, 80, clWhite},   {1519, 235, clBlack}, {1519, 236, clWhite}, {1518, 200, clWhite},
        {80, 2020, clBlack},   {80, 2021, clWhite},  {235, 2019, clBlack}, {80, 1864, clBlack},
        {80, 1863, clWhite},   // 236.7 mm = 1863.8 dots: where the upright of the bracket ends
        {150, 1000, clWhite},  // the left margin of the narrower grid, (1600 - 1200) / 2
        {400, 650, clRed},     // the middle of the first tag, 200 dots in, 250 down
        {1521, 2020, clWhite}, // no fourth mark
    };
    for (const Dot& dot : dots) {
        EXPECT_EQ(sheet.pixelColor(dot.x, dot.y), dot.color) << dot.x << "," << dot.y;
    }
}

TEST(WindowCuttingTest, ThePrintableAreaShortOfTheMarksIsToldInTheSizeLabel) {
    // Half an inch (12.7 mm) of each edge cannot be printed: the marks belong 10 mm in.
    WindowServices wideMargins;
    wideMargins.readPrinterMetrics = [] {
        PrinterMetrics metrics = testing::eightByTenPage();
        metrics.PageWidth = 4500;
        metrics.PageHeight = 6000;
        metrics.PhysicalWidth = 5100;
        metrics.PhysicalHeight = 6600;
        metrics.PhysicalOffsetX = 300;
        metrics.PhysicalOffsetY = 300;
        return metrics;
    };
    Cutting narrow(wideMargins);
    narrow.chooseMarks(CuttingMarks::FourMark);
    EXPECT_EQ(narrow.sizeLabel(),
              QStringLiteral("Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 3 (the "
                             "printable area does not reach the marks for the cutting machine, "
                             "so none are printed)"));
    narrow.w().PreviewButton->click();
    EXPECT_EQ(narrow.w().SheetBitmap().pixelColor(1, 1), clWhite);
}

// What the two "File" items write for the sheet with three marks and tag 1's picture
// everywhere: 3 x 2 tags, each with its hole.
TEST(WindowCuttingTest, TheFileItemsWriteCutFilesAndPicturesOrSayWhyNot) {
    Cutting h;
    h.chooseMarks(CuttingMarks::ThreeMark);
    const auto file = [&h](const char* name) { return h.folder.filePath(QLatin1String(name)); };
    const auto contents = [](const QString& path) {
        QFile read(path);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    };

    h.prompts.answerPath(file("sheet.svg"));
    h.w().SaveCutFileItem->trigger();
    const QByteArray svg = contents(file("sheet.svg"));
    EXPECT_EQ(svg.count("<path"), 12);
    EXPECT_EQ(svg.count("<rect"), 5);
    h.prompts.answerPath(file("sheet.dxf"));
    h.w().SaveCutFileItem->trigger();
    EXPECT_TRUE(contents(file("sheet.dxf")).contains("REGMARKS"));

    h.prompts.answerYes();
    h.prompts.answerPath(file("sheet.png"));
    h.w().SaveTagsForCuttingMachineItem->trigger();
    const QImage sheet(file("sheet.png"));
    EXPECT_EQ(sheet.size(), QSize(1600, 2100));
    EXPECT_EQ(qAlpha(sheet.pixel(98, 98)), 0); // the square mark is no tag
    EXPECT_EQ(qAlpha(sheet.pixel(400, 650)), 255);
    h.prompts.answerNo();
    h.prompts.answerPath(file("tag.png"));
    h.w().SaveTagsForCuttingMachineItem->trigger();
    const QImage tag(file("tag.png"));
    EXPECT_EQ(tag.size(), QSize(400, 800));
    EXPECT_EQ(tag.dotsPerMeterX(), 7874); // 200 dots per inch
    EXPECT_EQ(h.prompts.messages, QStringList());

    const QString unwritable = h.folder.filePath(QStringLiteral("missing/sheet.dxf"));
    h.prompts.answerPath(unwritable);
    h.w().SaveCutFileItem->trigger();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages.front().contains(unwritable))
        << h.prompts.messages.front().toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));
}

} // namespace
} // namespace veltmoor
