#include "output/BandedPrinting.h"

#include "output/PrinterPage.h"
#include "output/SheetPdf.h"

#include "support/ExternalTool.h"
#include "support/TestPrinters.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace veltmoor {
namespace {

// Every pixel different, so a strip drawn in the wrong place or twice shows.
Bitmap numberedSheet(int width, int height) {
    Bitmap sheet(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.setPixel(x, y, pixelFromRgb(x * 11 % 256, y % 256, (x + 3 * y) % 256));
        }
    }
    return sheet;
}

// An 800 dpi printer with margins of 40 dots left and 60 top, on paper of 280 x 640 dots
// (25.2 x 57.6 points).
PrinterMetrics smallPrinter() {
    return test::printerWith({800, 280, 640, 40, 60, 200, 540});
}

// The PDF in a file of the folder, for poppler's tools to read.
QString writtenPdf(const QTemporaryDir& folder, const QByteArray& pdf) {
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
    }
    return path;
}

// The paper as the printer's PDF shows it, drawn by poppler's cairo backend at the
// printer's resolution without smoothing. (Its own rasterizer widens every image by a dot
// to the right and below.)
Bitmap pdfPaper(const Bitmap& sheet) {
    const QTemporaryDir folder;
    const QString pdf = writtenPdf(
        folder, PrintBitmapBanded(sheet, smallPrinter(), PaperOnPdf{QSizeF(25.2, 57.6), 1, {}}));
    const QString page = folder.filePath(QStringLiteral("page"));
    test::runTool(QStringLiteral("pdftocairo"),
                  {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("800"),
                   QStringLiteral("-antialias"), QStringLiteral("none"),
                   QStringLiteral("-singlefile"), pdf, page});
    return Bitmap::fromQImage(QImage(page + QStringLiteral(".png")));
}

// A sheet of 20 x 130 pixels is a tenth by 0.65 inch: 80 x 520 dots, in strips of 50, 50
// and 30 rows. On a printable area 540 dots high it is centred 10 dots down; each pixel
// becomes 4 x 4 dots. On the PDF handed to the printer every pixel lands there, unchanged,
// and nothing else is drawn.
TEST(BandedPrinting, EveryRowLandsAtItsTrueSizeWithoutSeams) {
    const Bitmap sheet = numberedSheet(20, 130);
    const Bitmap printed = pdfPaper(sheet);
    ASSERT_EQ(printed.width(), 280);
    ASSERT_EQ(printed.height(), 640);
    int mismatches = 0;
    for (int y = 0; y < 640; ++y) {
        for (int x = 0; x < 280; ++x) {
            const bool onSheet = x >= 40 && x < 120 && y >= 70 && y < 590;
            const Pixel expected =
                onSheet ? sheet.pixel((x - 40) / 4, (y - 70) / 4) : pixelFromRgb(255, 255, 255);
            mismatches += printed.pixel(x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(BandedPrinting, StripDestinationsStartAtThePrintableAreaAndAbut) {
    const PrinterMetrics metrics = test::printerWith({300, 2550, 3300, 75, 60, 2400, 3150});
    // 1600 x 2110 pixels at 300 dpi: 2400 x 3165 dots, so the sheet starts 7 dots above
    // the printable area; 43 strips of 75 dots, the last of 10 rows 15 dots high.
    const StripPlan plan = planPrintStrips(1600, 2110, metrics.pageMetrics());
    const std::vector<Rect> destinations = stripDestinationsOnPaper(plan, metrics);
    ASSERT_EQ(destinations.size(), 43u);
    EXPECT_EQ(destinations.front(), (Rect{75, 53, 2475, 128}));
    EXPECT_EQ(destinations.back(), (Rect{75, 3203, 2475, 3218}));
    for (std::size_t k = 1; k < destinations.size(); ++k) {
        EXPECT_EQ(destinations[k].top, destinations[k - 1].bottom) << "strip " << k;
    }
}

// The images of a PDF as pdfimages lists them, one line each: "page object width height".
QStringList imagesOf(const QString& pdf) {
    QStringList images;
    const QStringList lines =
        test::runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
            .value_or(QString())
            .split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() > 10) {
            images << QStringList{fields[0], fields[10], fields[3], fields[4]}.join(' ');
        }
    }
    return images;
}

TEST(BandedPrinting, BuiltInPdfHasAPagePerCopyAllShowingTheSameStrips) {
    const QTemporaryDir folder;
    const QString pdf = writtenPdf(
        folder, builtInPdf(numberedSheet(20, 130),
                           turnedToLandscape(builtInPdfPrinterMetrics(PaperChoice::Letter)),
                           PaperChoice::Letter, true, 3, QStringLiteral("Tags (50%) \\ Zoë's")));
    const QString info = test::runTool(QStringLiteral("pdfinfo"),
                                       {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf})
                             .value_or(QString());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +3\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       792 x 612 pts (letter)")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Title:           Tags (50%) \\ Zoë's\n")))
        << info.toStdString();
    // Three strips of 50, 50 and 30 rows, drawn on every page from the same three images.
    const QStringList strips{"6 20 50", "7 20 50", "8 20 30"};
    QStringList expected;
    for (const char* page : {"1", "2", "3"}) {
        for (const QString& strip : strips) {
            expected << QLatin1String(page) + ' ' + strip;
        }
    }
    EXPECT_EQ(imagesOf(pdf), expected);
}

// Strips asking for rows the sheet does not have are cut to the rows it has: rows -5 to -3
// are none of them, rows -2 to 1 are rows 0 and 1; a strip squeezed to no width is left out.
TEST(BandedPrinting, StripsPastTheSheetAreCutToItsRows) {
    const QTemporaryDir folder;
    const std::vector<StripOnPaper> strips{
        {120, 50, QRectF(0, 0, 10, 10)},     {130, 10, QRectF(0, 10, 10, 10)},
        {-5, 3, QRectF(0, 20, 10, 10)},      {0, 5, QRectF(0, 25, 0, 10)},
        {0, 1000000, QRectF(0, 30, 10, 10)}, {-2, 4, QRectF(0, 40, 10, 8)}};
    const QString pdf = writtenPdf(folder, sheetPdf(numberedSheet(20, 130), strips,
                                                    SheetPdfPage{QSizeF(72, 72), 72, 72, {}, {}}));
    EXPECT_EQ(imagesOf(pdf), (QStringList{"1 6 20 10", "1 7 20 130", "1 8 20 2"}));
}

// In a series, a strip the same as on the sheet before is drawn from the image already
// written: sheet 2 differs from sheet 1 by one pixel in its second strip, sheet 3 is sheet 2.
// Every page still shows its own sheet, pixel for pixel.
TEST(BandedPrinting, ASeriesWritesOnlyTheStripsThatChanged) {
    const QTemporaryDir folder;
    const Bitmap first = numberedSheet(20, 130);
    Bitmap second = first;
    second.setPixel(7, 61, pixelFromRgb(1, 2, 3));
    const std::vector<StripOnPaper> strips{{0, 50, QRectF(0, 0, 20, 50)},
                                           {50, 50, QRectF(0, 50, 20, 50)},
                                           {100, 30, QRectF(0, 100, 20, 30)}};
    SheetPdfPage page{QSizeF(20, 130), 72, 72, {}, {}};
    page.shareRepeatedStrips = true;
    QByteArray pdf;
    SheetPdfWriter writer([&pdf](const QByteArray& bytes) { pdf += bytes; }, {}, {});
    for (const Bitmap* sheet : std::array<const Bitmap*, 3>{&first, &second, &second}) {
        writer.addSheet(*sheet, strips, page);
    }
    writer.finish();
    const QString path = writtenPdf(folder, pdf);
    EXPECT_EQ(imagesOf(path),
              (QStringList{"1 6 20 50", "1 7 20 50", "1 8 20 30", "2 6 20 50", "2 12 20 50",
                           "2 8 20 30", "3 6 20 50", "3 12 20 50", "3 8 20 30"}));
    for (int number = 1; number <= 3; ++number) {
        SCOPED_TRACE(number);
        const QString shown = folder.filePath(QStringLiteral("page%1").arg(number));
        test::runTool(QStringLiteral("pdftocairo"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                       QStringLiteral("-antialias"), QStringLiteral("none"), QStringLiteral("-f"),
                       QString::number(number), QStringLiteral("-l"), QString::number(number),
                       QStringLiteral("-singlefile"), path, shown});
        const Bitmap paper = Bitmap::fromQImage(QImage(shown + QStringLiteral(".png")));
        EXPECT_TRUE(paper == (number == 1 ? first : second));
    }
}

} // namespace
} // namespace veltmoor
