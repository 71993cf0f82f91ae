#include "output/PrinterPage.h"
#include "support/TestPrinters.h"

#include <QSizeF>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

struct PageCase {
    const char* name;
    QPageSize paper;
    QMarginsF portraitMargins; // points, as a driver states them
    bool landscape;
    int resolution;
    // Device dots, worked out by hand from the paper in points and the margins.
    int physicalWidth, physicalHeight;
    int offsetX, offsetY;
    int pageWidth, pageHeight;
    int expectedResolution;
};

// Letter is 612 x 792 points, A4 as drivers list it 595 x 842. Margins of 18, 27, 18, 36
// points (left, top, right, bottom) are 150, 225, 150 and 300 dots at 600 dpi. In landscape
// the page lies a quarter turn counter-clockwise on the paper: its left margin is the
// paper's bottom one, its top margin the paper's left one.
const PageCase kPages[] = {
    {"LetterWithMargins", QPageSize(QPageSize::Letter), QMarginsF(18, 27, 18, 36), false, 600, 5100,
     6600, 150, 225, 4800, 6075, 600},
    {"LetterWithMarginsLandscape", QPageSize(QPageSize::Letter), QMarginsF(18, 27, 18, 36), true,
     600, 6600, 5100, 300, 150, 6075, 4800, 600},
    {"DriverA4At300", QPageSize(QSizeF(595, 842), QPageSize::Point, QStringLiteral("A4")),
     QMarginsF(), false, 300, 2479, 3508, 0, 0, 2479, 3508, 300},
    {"NoResolutionListedPrintsAt600", QPageSize(QPageSize::Letter), QMarginsF(9, 9, 9, 9), false, 0,
     5100, 6600, 75, 75, 4950, 6450, 600},
};

class PrinterPageMetrics : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrinterPageMetrics, MatchThePaperAndMarginsInDeviceDots) {
    const PageCase& c = GetParam();
    DriverPage page;
    page.printerName = QStringLiteral("Office");
    page.pageSize = c.paper;
    page.portraitMinimumMargins = c.portraitMargins;
    page.landscape = c.landscape;
    page.resolution = c.resolution;
    const PrinterMetrics m = printerMetricsFor(page);
    EXPECT_EQ(m.PrinterName, QStringLiteral("Office"));
    test::expectPage(m, {c.expectedResolution, c.physicalWidth, c.physicalHeight, c.offsetX,
                         c.offsetY, c.pageWidth, c.pageHeight});
    // The margins left over on the far sides close the paper exactly.
    EXPECT_EQ(m.PhysicalOffsetX + m.PageWidth + m.RightMargin, m.PhysicalWidth);
    EXPECT_EQ(m.PhysicalOffsetY + m.PageHeight + m.BottomMargin, m.PhysicalHeight);
}

void PrintTo(const PageCase& page, std::ostream* out) {
    *out << page.name;
}

INSTANTIATE_TEST_SUITE_P(Pages, PrinterPageMetrics, ::testing::ValuesIn(kPages),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PrinterPage, TurningUprightMetricsGivesTheLandscapePage) {
    DriverPage page;
    page.pageSize = QPageSize(QPageSize::Letter);
    page.portraitMinimumMargins = QMarginsF(18, 27, 18, 36);
    page.resolution = 600;
    const PrinterMetrics upright = printerMetricsFor(page);
    page.landscape = true;
    EXPECT_EQ(turnedToLandscape(upright), printerMetricsFor(page));
}

TEST(PrinterPage, BuiltInPrinterTurnedKeepsItsQuarterInchMargins) {
    const PrinterMetrics turned = turnedToLandscape(builtInPdfPrinterMetrics(PaperChoice::Letter));
    EXPECT_EQ(turned.PhysicalWidth, 6600);
    EXPECT_EQ(turned.PhysicalHeight, 5100);
    EXPECT_EQ(turned.PageWidth, 6300);
    EXPECT_EQ(turned.PageHeight, 4800);
    EXPECT_EQ(turned.PhysicalOffsetX, 150);
    EXPECT_EQ(turned.PhysicalOffsetY, 150);
}

} // namespace
} // namespace veltmoor
