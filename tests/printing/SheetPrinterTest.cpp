// Printing through a real CUPS server with virtual PDF printers (started by the test set-up),
// checked on the paper that comes out: its size, where the sheet lies, how large the tags
// are, and whether the pixels arrive unchanged.
#include "printing/SheetPrinter.h"

#include "output/PrinterMetrics.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "printing/PrintedPaper.h"
#include "support/TestPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTransform>

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <functional>

namespace veltmoor {
namespace {

using namespace veltmoor::test;

constexpr int kTagWidth = 400;  // 2.00 in at 200 pixels per inch
constexpr int kTagHeight = 800; // 4.00 in

int blockGrey(int across, int down) {
    return 40 + 50 * ((across + 2 * down) % 4);
}

constexpr int kBlackRows = 5; // the sheet's last rows, below the tags
constexpr int kSpareGrey = 235;

// A sheet as the layout sizes it for the page, tiled from its corner with 2.00 x 4.00 in
// tags of greys that differ from their neighbours'; its last rows are black.
Bitmap tagSheet(const PrinterMetrics& m, int& across, int& down) {
    const int width = m.PageWidth * 200 / m.PixelsPerInchX;
    const int height = m.PageHeight * 200 / m.PixelsPerInchY;
    // Where no tag lies the sheet is a light grey, so that a tag's edge meets another grey
    // as it does between tags (the renderer blends alike on both sides).
    Bitmap sheet(width, height, rgbColor(kSpareGrey, kSpareGrey, kSpareGrey));
    across = width / kTagWidth;
    down = (height - kBlackRows) / kTagHeight;
    for (int y = 0; y < down * kTagHeight; ++y) {
        for (int x = 0; x < across * kTagWidth; ++x) {
            const int grey = blockGrey(x / kTagWidth, y / kTagHeight);
            sheet.setPixel(x, y, pixelFromRgb(grey, grey, grey));
        }
    }
    for (int y = height - kBlackRows; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.setPixel(x, y, pixelFromRgb(0, 0, 0));
        }
    }
    return sheet;
}

// Nearer the grey than any other the sheet uses: the renderer blends a dot or two where
// one grey meets the next.
bool isGrey(const QImage& page, int x, int y, int grey) {
    return page.valid(x, y) && std::abs(qGray(page.pixel(x, y)) - grey) < 25;
}

// The run of pixels of the grey through (x, y), along a row or a column: first and one past
// the last.
std::pair<int, int> greyRun(const QImage& page, int x, int y, int grey, bool alongRow) {
    const auto at = [&](int step) {
        return alongRow ? isGrey(page, x + step, y, grey) : isGrey(page, x, y + step, grey);
    };
    int before = 0;
    while (at(before - 1)) {
        --before;
    }
    int after = 0;
    while (at(after + 1)) {
        ++after;
    }
    const int origin = alongRow ? x : y;
    return {origin + before, origin + after + 1};
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("CUPS_SERVER"))
            << "the test printing system is not set up";
        ASSERT_TRUE(working.isValid());
        qputenv("VELTMOOR_WORKING_FOLDER", working.path().toLocal8Bit());
    }

    PrintResult print(Bitmap& sheet, const PrinterSelection& selection, int copies = 1) {
        PrintRequest request;
        request.printer = selection;
        request.copies = copies;
        request.documentName = QStringLiteral("sheet");
        return PrintSheet(sheet, request);
    }

    QTemporaryDir working;
};

struct PaperCase {
    const char* name;
    std::function<QString()> queue;
    const char* paper;
    bool landscape;
    const char* pageSize; // pdfinfo's name for the paper
    // From the drivers' descriptions: cups-pdf's A4 of 595 x 842 points at 300 dpi without
    // margins, and the test's Letter at 600 dpi with margins of 18, 27, 18, 36 points
    // (left, top, right, bottom), which turn with a landscape page.
    int dpi, physicalWidth, physicalHeight, offsetX, offsetY, pageWidth, pageHeight;
};

const PaperCase kPapers[] = {
    {"A4", testQueue, "", false, "(A4)", 300, 2479, 3508, 0, 0, 2479, 3508},
    {"A4Landscape", testQueue, "", true, "(A4)", 300, 3508, 2479, 0, 0, 3508, 2479},
    {"LetterOnTheA4Driver", testQueue, "Letter", false, "(letter)", 300, 2550, 3300, 0, 0, 2550,
     3300},
    {"LetterWithMargins", marginsQueue, "", false, "(letter)", 600, 5100, 6600, 150, 225, 4800,
     6075},
    {"LetterWithMarginsLandscape", marginsQueue, "", true, "(letter)", 600, 6600, 5100, 300, 150,
     6075, 4800},
};

class PrintedPaper : public PrintTest, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(PrintedPaper, TagsLieAtTheirTrueSizeFromThePrintableCorner) {
    const PaperCase& c = GetParam();
    const PrinterSelection selection{c.queue(), QString::fromLatin1(c.paper), c.landscape};
    const PrinterMetrics m = ReadPrinterMetrics(selection);
    EXPECT_EQ(m.PrinterName, c.queue());
    test::expectPage(m, {c.dpi, c.physicalWidth, c.physicalHeight, c.offsetX, c.offsetY,
                         c.pageWidth, c.pageHeight});

    int across = 0;
    int down = 0;
    Bitmap sheet = tagSheet(m, across, down);
    const int width = sheet.width();
    const int height = sheet.height();
    const int job = print(sheet, selection).jobNumber;
    const QString pdf = waitForJobPdf(c.queue(), job);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF for job " << job;
    EXPECT_TRUE(pageSize(pdf).contains(QLatin1String(c.pageSize))) << pageSize(pdf).toStdString();

    QImage page = renderFirstPage(pdf, c.dpi);
    ASSERT_FALSE(page.isNull());
    if (c.landscape) {
        // The printing system turned the page a quarter turn counter-clockwise onto the
        // paper; turning the paper back shows the page as it was drawn.
        page = page.transformed(QTransform().rotate(90));
    }
    // Worked out from the paper: the sheet starts at the printable area's left edge and is
    // centred from top to bottom; 200 sheet pixels make an inch.
    // An odd last column is not counted in the drawn width: the sheet is drawn a third of
    // a dot per column narrower, which the tags' places follow.
    const int drawnWidth = (width / 2) * c.dpi / 100;
    const int drawnHeight = (height / 2) * c.dpi / 100;
    const int top = c.offsetY + (c.pageHeight - drawnHeight) / 2;
    const int tagDotsAcross = 2 * c.dpi;
    const int tagDotsDown = 4 * c.dpi;
    // Each tag as drawn is within a dot of 2.00 in, also where the odd column narrows it.
    const int tagDrawnAcross = kTagWidth * drawnWidth / width;
    EXPECT_NEAR(tagDrawnAcross, tagDotsAcross, 1);
    for (int j = 0; j < down; ++j) {
        // A tag reaches from its left edge to the next tag's; the last one to its own end.
        int nextLeft = 0;
        for (int i = across - 1; i >= 0; --i) {
            const int grey = blockGrey(i, j);
            const int left = c.offsetX + i * kTagWidth * drawnWidth / width;
            const int blockTop = top + j * tagDotsDown;
            const auto [x0, x1] =
                greyRun(page, left + tagDotsAcross / 2, blockTop + tagDotsDown / 2, grey, true);
            const auto [y0, y1] =
                greyRun(page, left + tagDotsAcross / 2, blockTop + tagDotsDown / 2, grey, false);
            SCOPED_TRACE(testing::Message() << "tag " << i << "," << j);
            EXPECT_NEAR(x0, left, 1);
            EXPECT_NEAR(y0, blockTop, 1);
            EXPECT_NEAR((i == across - 1 ? x1 : nextLeft) - x0, tagDrawnAcross, 1);
            // The column runs unbroken from top to bottom: no seam between the strips.
            EXPECT_NEAR(y1 - y0, tagDotsDown, 1);
            nextLeft = x0;
        }
    }
    // The sheet's last rows, below its last whole strip, are on the paper too.
    const int blackMiddle = top + height * c.dpi / 200 - kBlackRows * c.dpi / 400;
    EXPECT_TRUE(isGrey(page, c.offsetX + c.dpi / 2, blackMiddle, 0));
}

void PrintTo(const PaperCase& paper, std::ostream* out) {
    *out << paper.name;
}

INSTANTIATE_TEST_SUITE_P(Papers, PrintedPaper, ::testing::ValuesIn(kPapers),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(PrintTest, TagPixelsReachThePaperUnchanged) {
    // Noise in three strips, the last of 20 rows: any compression or a strip repeated in
    // place of another would show.
    Bitmap sheet(300, 120);
    QRandomGenerator noise(16);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            sheet.setPixel(
                x, y, pixelFromRgb(noise.bounded(256), noise.bounded(256), noise.bounded(256)));
        }
    }
    const Bitmap original = sheet;
    const int job = print(sheet, PrinterSelection{testQueue(), QString(), false}).jobNumber;
    const QString pdf = waitForJobPdf(testQueue(), job);
    ASSERT_FALSE(pdf.isEmpty());
    const QString prefix = working.filePath(QStringLiteral("strip"));
    ASSERT_TRUE(runTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefix}));
    int row = 0;
    for (int strip = 0; strip < 3; ++strip) {
        const QImage image(
            QStringLiteral("%1-%2.png").arg(prefix).arg(strip, 3, 10, QLatin1Char('0')));
        ASSERT_FALSE(image.isNull()) << "strip " << strip;
        const Bitmap printed = Bitmap::fromQImage(image);
        ASSERT_EQ(printed.width(), 300);
        for (int y = 0; y < printed.height(); ++y, ++row) {
            for (int x = 0; x < printed.width(); ++x) {
                ASSERT_EQ(printed.pixel(x, y), original.pixel(x, row)) << x << "," << row;
            }
        }
    }
    EXPECT_EQ(row, 120);
}

TEST_F(PrintTest, CopiesReachTheJobAsOneCopyCount) {
    Bitmap sheet(400, 100, clBlack);
    const Bitmap original = sheet;
    const int job = print(sheet, PrinterSelection{testQueue(), QString(), false}, 3).jobNumber;
    ASSERT_FALSE(waitForJobPdf(testQueue(), job).isEmpty());
    EXPECT_EQ(controlFileCopies(job), 3);
    EXPECT_TRUE(pageLogLine(testQueue(), job).contains(QLatin1String(" total 3 ")))
        << pageLogLine(testQueue(), job).toStdString();
    // The sheet sent is kept in the working folder, and the sheet itself is blank again.
    EXPECT_EQ(readPicture(working.filePath(QStringLiteral("~~page.bmp"))).bitmap, original);
    EXPECT_EQ(sheet, Bitmap(400, 100, clWhite));
}

TEST_F(PrintTest, RefusedOrMissingPrintersAreNamedAndTheSheetKept) {
    const Bitmap original(200, 60, clBlack);
    const struct {
        QString printer;
        const char* reason;
    } refusals[] = {{closedQueue(), "not accepting jobs"},
                    {QStringLiteral("NoSuchPrinter"), "is not installed on this computer"}};
    for (const auto& refusal : refusals) {
        Bitmap sheet = original;
        try {
            print(sheet, PrinterSelection{refusal.printer, QString(), false});
            ADD_FAILURE() << "printed on " << refusal.printer.toStdString();
        } catch (const UserError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("\"%1\"").arg(refusal.printer)))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QLatin1String(refusal.reason)))
                << error.message().toStdString();
        }
        EXPECT_EQ(sheet, original);
    }
}

bool queueHasJobTitled(const QString& queue, const QString& title) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toLocal8Bit().constData(), 0,
                                   CUPS_WHICHJOBS_ALL);
    bool found = false;
    for (int index = 0; index < count; ++index) {
        found = found || title == QString::fromUtf8(jobs[index].title);
    }
    cupsFreeJobs(count, jobs);
    return found;
}

// The last sheet is kept while the page is being prepared; when it cannot be kept the page
// never reaches the printer, nor the built-in printer's file.
TEST_F(PrintTest, NothingIsPrintedWhenTheLastSheetCannotBeKept) {
    QFile inTheWay(working.filePath(QStringLiteral("file")));
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    qputenv("VELTMOOR_WORKING_FOLDER", working.filePath(QStringLiteral("file/work")).toLocal8Bit());
    const QString pdf = working.filePath(QStringLiteral("sheet.pdf"));
    for (const QString& printer : {testQueue(), builtInPdfPrinterName()}) {
        const Bitmap original(200, 60, clBlack);
        Bitmap sheet = original;
        PrintRequest request;
        request.printer.printerName = printer;
        request.pdfPath = pdf;
        request.documentName =
            QStringLiteral("unkept sheet %1").arg(QRandomGenerator::global()->generate());
        EXPECT_THROW(PrintSheet(sheet, request), UserError) << printer.toStdString();
        EXPECT_EQ(sheet, original);
        EXPECT_FALSE(queueHasJobTitled(testQueue(), request.documentName));
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

// The working folder is made the user's alone, and the kept sheet is never written through a
// link planted there: the file it points at stays as it was, and nothing is printed.
TEST_F(PrintTest, TheLastSheetIsNeverWrittenThroughALink) {
    const QString folder = working.filePath(QStringLiteral("work"));
    qputenv("VELTMOOR_WORKING_FOLDER", folder.toLocal8Bit());
    const QString pdf = working.filePath(QStringLiteral("sheet.pdf"));
    Bitmap sheet(200, 60, clBlack);
    PrintRequest request;
    request.printer.printerName = builtInPdfPrinterName();
    request.pdfPath = pdf;
    PrintSheet(sheet, request);
    EXPECT_FALSE(QFileInfo(folder).permissions().testAnyFlags(QFile::ReadGroup | QFile::WriteGroup |
                                                              QFile::ExeGroup | QFile::ReadOther |
                                                              QFile::WriteOther | QFile::ExeOther));

    const QString elsewhere = working.filePath(QStringLiteral("elsewhere.txt"));
    QFile target(elsewhere);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("mine") == 4);
    target.close();
    const QString kept = QDir(folder).filePath(QStringLiteral("~~page.bmp"));
    ASSERT_TRUE(QFile::remove(kept) && QFile::remove(pdf) && QFile::link(elsewhere, kept));
    sheet = Bitmap(200, 60, clBlack);
    EXPECT_THROW(PrintSheet(sheet, request), UserError);
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), QByteArray("mine"));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintTest, ListsTheQueuesWithTheirPaperAndResolution) {
    const std::vector<PrinterDescription> printers = listPrinters();
    const auto find = [&](const QString& name) {
        for (const PrinterDescription& printer : printers) {
            if (printer.name == name) {
                return printer;
            }
        }
        return PrinterDescription{};
    };
    EXPECT_EQ(find(testQueue()).paper, QStringLiteral("A4"));
    EXPECT_EQ(find(testQueue()).resolution, 300);
    EXPECT_TRUE(find(testQueue()).isDefault);
    EXPECT_EQ(find(marginsQueue()).paper, QStringLiteral("Letter"));
    EXPECT_EQ(find(marginsQueue()).resolution, 600);
    EXPECT_FALSE(find(marginsQueue()).isDefault);
    const PrinterList list = printerListFor(printers);
    ASSERT_GE(list.defaultIndex, 0);
    EXPECT_EQ(list.names.at(list.defaultIndex), testQueue());
    // The quick list, without the papers, chooses the same printer by the same index.
    EXPECT_EQ(installedPrinters().names, list.names);
    EXPECT_EQ(installedPrinters().defaultIndex, list.defaultIndex);
}

} // namespace
} // namespace veltmoor
