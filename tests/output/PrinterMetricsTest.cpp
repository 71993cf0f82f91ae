#include "output/PrinterMetrics.h"

#include "render/PageGrid.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

PrinterMetrics readFromDevice(int pageWidth, int pageHeight, int ppiX, int ppiY, int physicalWidth,
                              int physicalHeight, int offsetX, int offsetY) {
    PrinterMetrics metrics;
    metrics.PageWidth = pageWidth;
    metrics.PageHeight = pageHeight;
    metrics.PixelsPerInchX = ppiX;
    metrics.PixelsPerInchY = ppiY;
    metrics.PhysicalWidth = physicalWidth;
    metrics.PhysicalHeight = physicalHeight;
    metrics.PhysicalOffsetX = offsetX;
    metrics.PhysicalOffsetY = offsetY;
    metrics.computeDerivedValues();
    return metrics;
}

TEST(PrinterMetrics, SymmetricLetterMarginsAt600Dpi) {
    const PrinterMetrics m = readFromDevice(4800, 6300, 600, 600, 5100, 6600, 150, 150);
    EXPECT_EQ(m.RightMargin, 150);
    EXPECT_EQ(m.MarginDifferenceX, 0);
    EXPECT_EQ(m.PaperCenterX, 2400);
    EXPECT_EQ(m.LeftMarginMils, 250);
    EXPECT_EQ(m.RightMarginMils, 250);
    EXPECT_EQ(m.BottomMargin, 150);
    EXPECT_EQ(m.PaperCenterY, 3150);
    EXPECT_EQ(m.pageMetrics(), (PageMetrics{4800, 6300, 600, 600, 5100, 6600, 150, 150}));
}

TEST(PrinterMetrics, UnevenMarginsShiftThePaperCentre) {
    // Top margin 120 dots, bottom 6600 - 6240 - 120 = 240; the paper's centre lies 60 dots
    // below the middle of the printable area.
    const PrinterMetrics m = readFromDevice(4800, 6240, 600, 300, 5100, 6600, 100, 120);
    EXPECT_EQ(m.RightMargin, 200);
    EXPECT_EQ(m.MarginDifferenceX, 100);
    EXPECT_EQ(m.PaperCenterX, 2450);
    EXPECT_EQ(m.BottomMargin, 240);
    EXPECT_EQ(m.MarginDifferenceY, 120);
    EXPECT_EQ(m.PaperCenterY, 3180);
    // Mils use each axis' own resolution: 120 dots at 300 dpi are 0.4 inch.
    EXPECT_EQ(m.LeftMarginMils, 166); // 100000 / 600 = 166.67, truncated
    EXPECT_EQ(m.RightMarginMils, 333);
    EXPECT_EQ(m.TopMarginMils, 400);
    EXPECT_EQ(m.BottomMarginMils, 800);
}

TEST(PrinterMetrics, NegativeValuesTruncateTowardZero) {
    // A driver claiming one dot more than the paper holds: right margin -1 dot.
    const PrinterMetrics m = readFromDevice(4800, 6300, 600, 600, 4801, 6300, 2, 1);
    EXPECT_EQ(m.RightMargin, -1);
    EXPECT_EQ(m.RightMarginMils, -1); // -1000 / 600 = -1.67; flooring would give -2
    EXPECT_EQ(m.MarginDifferenceX, -3);
    EXPECT_EQ(m.PaperCenterX, 2398); // (4800 - 3) / 2 = 2398.5
    EXPECT_EQ(m.BottomMargin, -1);
    EXPECT_EQ(m.MarginDifferenceY, -2);
    EXPECT_EQ(m.PaperCenterY, 3149);
}

TEST(PrinterMetrics, NoResolutionGivesZeroMilsAndAnEmptyPage) {
    const PrinterMetrics m = readFromDevice(4800, 6300, 0, 0, 5100, 6600, 150, 150);
    EXPECT_EQ(m.RightMargin, 150); // dots need no resolution
    EXPECT_EQ(m.LeftMarginMils, 0);
    EXPECT_EQ(m.RightMarginMils, 0);
    EXPECT_EQ(m.TopMarginMils, 0);
    EXPECT_EQ(m.BottomMarginMils, 0);
    const PageGrid grid = computePageGrid(m.pageMetrics(), 400, 800);
    EXPECT_EQ(grid.SheetWidth, 0);
    EXPECT_EQ(grid.SheetHeight, 0);

    const PrinterMetrics negative = readFromDevice(4800, 6300, -600, -1, 5100, 6600, 150, 150);
    EXPECT_EQ(negative.LeftMarginMils, 0);
    EXPECT_EQ(negative.BottomMarginMils, 0);
}

TEST(PrinterMetrics, LargeMarginsDoNotOverflowTheMilProduct) {
    // 3,000,000 x 1000 does not fit 32 bits; the quotient does.
    const PrinterMetrics m = readFromDevice(100, 100, 600, 600, 3'000'200, 100, 3'000'000, 0);
    EXPECT_EQ(m.LeftMarginMils, 5'000'000);
    EXPECT_EQ(m.RightMargin, 100);
    EXPECT_EQ(m.RightMarginMils, 166);
}

TEST(BuiltInPdfPrinter, LetterPageWithQuarterInchMargins) {
    const PrinterMetrics m = builtInPdfPrinterMetrics(PaperChoice::Letter);
    EXPECT_EQ(m.PrinterName, builtInPdfPrinterName());
    EXPECT_EQ(m.PixelsPerInchX, 600);
    EXPECT_EQ(m.PixelsPerInchY, 600);
    EXPECT_EQ(m.PhysicalWidth, 5100);  // 8.5 in
    EXPECT_EQ(m.PhysicalHeight, 6600); // 11 in
    EXPECT_EQ(m.PhysicalOffsetX, 150);
    EXPECT_EQ(m.PhysicalOffsetY, 150);
    EXPECT_EQ(m.PageWidth, 4800);
    EXPECT_EQ(m.PageHeight, 6300);
    EXPECT_EQ(m.RightMargin, 150);
    EXPECT_EQ(m.BottomMargin, 150);
    EXPECT_EQ(m.LeftMarginMils, 250);
    EXPECT_EQ(m.BottomMarginMils, 250);
    const PageGrid grid = computePageGrid(m.pageMetrics(), 400, 800);
    EXPECT_EQ(grid.SheetWidth, 1600);
    EXPECT_EQ(grid.SheetHeight, 2100);
}

TEST(BuiltInPdfPrinter, A4PageRoundedDownToWholeDots) {
    // 210 mm = 8.2677 in = 4960.6 dots, 297 mm = 11.6929 in = 7015.7 dots at 600 dpi.
    const PrinterMetrics m = builtInPdfPrinterMetrics(PaperChoice::A4);
    EXPECT_EQ(m.PhysicalWidth, 4960);
    EXPECT_EQ(m.PhysicalHeight, 7015);
    EXPECT_EQ(m.PageWidth, 4660);
    EXPECT_EQ(m.PageHeight, 6715);
    EXPECT_EQ(m.RightMargin, 150);
    EXPECT_EQ(m.RightMarginMils, 250);
    EXPECT_EQ(m.TopMarginMils, 250);
    EXPECT_EQ(m.PaperCenterX, 2330);
    // 4660 x 200 / 600 = 1553.3 and 6715 x 200 / 600 = 2238.3 tag dots.
    const PageGrid grid = computePageGrid(m.pageMetrics(), 400, 800);
    EXPECT_EQ(grid.SheetWidth, 1553);
    EXPECT_EQ(grid.SheetHeight, 2238);
    EXPECT_EQ(grid.TagsAcross, 3);
    EXPECT_EQ(grid.TagsDown, 2);
}

TEST(BuiltInPdfPrinter, PaperFollowsTheCountry) {
    EXPECT_EQ(paperForLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
              PaperChoice::Letter);
    EXPECT_EQ(paperForLocale(QLocale(QLocale::French, QLocale::Canada)), PaperChoice::Letter);
    EXPECT_EQ(paperForLocale(QLocale(QLocale::Spanish, QLocale::Mexico)), PaperChoice::Letter);
    EXPECT_EQ(paperForLocale(QLocale(QLocale::Filipino, QLocale::Philippines)),
              PaperChoice::Letter);
    EXPECT_EQ(paperForLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)), PaperChoice::A4);
    EXPECT_EQ(paperForLocale(QLocale(QLocale::German, QLocale::Germany)), PaperChoice::A4);
    EXPECT_EQ(paperForLocale(QLocale(QLocale::Spanish, QLocale::Spain)), PaperChoice::A4);
    EXPECT_EQ(paperForLocale(QLocale::c()), PaperChoice::A4);
}

} // namespace
} // namespace veltmoor
