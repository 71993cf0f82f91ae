// "Print Page" and "Printer Setup" in the window, through the private test printing system
// (CUPS_SERVER) and its cups-pdf queues, checked on the paper and the files that come out.
#include "app/ui/PriceListCommands.h"
#include "platform/Errors.h"
#include "printing/Calibration.h"
#include "printing/PrintedPaper.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>

#include <cups/cups.h>
#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using namespace veltmoor::test;
using testing::WindowHarness;

// A socket no printing system listens on: the computer then has no printer at all.
constexpr const char* kNoPrintingSystem = "/tmp/veltmoor-no-cups-here.sock";

WindowServices systemPrinting(int& pageReads) {
    WindowServices services;
    attachSystemPrinting(services);
    services.readPrinterMetrics =
        [&pageReads, read = services.readPrinterMetrics](const PrinterSelection& selection) {
            ++pageReads;
            return read(selection);
        };
    return services;
}

// The window on this computer's printers, past the welcome page with a red tag 1.
struct PrintingWindow : WindowHarness {
    explicit PrintingWindow(int& pageReads) : WindowHarness(systemPrinting(pageReads)) {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        settle();
    }
    QString statusText() { return w().statusPanels[0]->text(); }
    bool unlocked() {
        return control<QPushButton>(QStringLiteral("PrintButton"))->isEnabled() &&
               control<QPushButton>(QStringLiteral("PrinterSetupButton"))->isEnabled() &&
               testing::control<QGroupBox>(w(), QStringLiteral("GroupBox1"))->isEnabled() &&
               QGuiApplication::overrideCursor() == nullptr && !design().printing() &&
               design().renderMode() == RenderMode::Single;
    }
};

class WindowPrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("CUPS_SERVER"))
            << "the test printing system is not set up";
    }
    void TearDown() override { cupsSetServer(nullptr); }
    int pageReads = 0;
};

bool allWhite(const Bitmap& bitmap) {
    return bitmap == Bitmap(bitmap.width(), bitmap.height(), clWhite);
}

TEST_F(WindowPrintingTest, PrintPageSendsOneJobOfTheChosenCopiesOnThePrintersPaper) {
    PrintingWindow h(pageReads);
    h.control<UpDown>(QStringLiteral("CopiesUpDown"))->setPosition(3);
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();
    ASSERT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join('\n').toStdString();
    const QRegularExpressionMatch sent =
        QRegularExpression(QStringLiteral("^Sent to (\\S+) as job (\\d+)$")).match(h.statusText());
    ASSERT_TRUE(sent.hasMatch()) << h.statusText().toStdString();
    EXPECT_EQ(sent.captured(1), testQueue());
    const int job = sent.captured(2).toInt();

    const QString pdf = waitForJobPdf(testQueue(), job);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(pageSize(pdf).contains(QLatin1String("(A4)"))) << pageSize(pdf).toStdString();
    EXPECT_EQ(controlFileCopies(job), 3);
    // cups-pdf's A4 at 300 dpi without margins is a sheet of 1652 x 2338 tag dots: four
    // 2.00 in tags across from 26 dots in, two 4.00 in tags down from 369 dots. The first
    // tag's middle, at (226, 769) tag dots, is red on the paper.
    const QImage page = renderFirstPage(pdf, 100);
    ASSERT_FALSE(page.isNull());
    EXPECT_LT(qGray(page.pixel(113, 384)), 120);
    EXPECT_EQ(qGray(page.pixel(5, 5)), 255);

    // The sheet sent is kept whole, the sheet itself is blank again, and the window is back.
    const DecodedPicture kept = readPicture(h.folder.filePath(QStringLiteral("work/~~page.bmp")));
    EXPECT_EQ(kept.width, 1652);
    EXPECT_EQ(kept.height, 2338);
    EXPECT_EQ(h.w().SheetBitmap().width(), 1652);
    EXPECT_TRUE(allWhite(h.w().SheetBitmap()));
    EXPECT_TRUE(h.unlocked());

    // A calibrated printer says so where the job is reported.
    saveCalibration(testQueue(), CalibrationProfile{15, -20, 10100, 9950});
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();
    EXPECT_TRUE(
        h.statusText().endsWith(QLatin1String(", placed by the printer's calibration profile")))
        << h.statusText().toStdString();
}

TEST_F(WindowPrintingTest, WithoutAPrinterPrintPageWritesThePdfAskedFor) {
    cupsSetServer(kNoPrintingSystem);
    PrintingWindow h(pageReads);
    const QString pdf = h.folder.filePath(QStringLiteral("sheet.pdf"));
    h.prompts.answerPath(pdf);
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();
    ASSERT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join('\n').toStdString();
    EXPECT_EQ(h.prompts.asked.filter(QStringLiteral("saveFile")).size(), 1);
    EXPECT_EQ(h.statusText(), QStringLiteral("Wrote sheet.pdf"));
    // The built-in printer's paper in the C locale.
    EXPECT_TRUE(pageSize(pdf).contains(QLatin1String("(A4)"))) << pageSize(pdf).toStdString();
    EXPECT_TRUE(allWhite(h.w().SheetBitmap()));
    EXPECT_TRUE(h.unlocked());
}

// Print reads the page it prints on: a printer changed since the page was last read gets the
// sheet laid out on its own page (the margins queue's Letter at 600 dpi leaves 8.00 x 10.125
// printable inches, a sheet of 1600 x 2025 tag dots). A damaged calibration profile asks
// first: cancelled, nothing is printed; confirmed, the sheet prints without the profile.
TEST_F(WindowPrintingTest, PrintLaysTheSheetOnThePageItPrintsAndAsksAboutADamagedProfile) {
    PrintingWindow h(pageReads);
    h.design().selectPrinter(PrinterList{{marginsQueue()}, 0}, 0);
    QSettings(h.folder.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat)
        .setValue(QStringLiteral("Calibration/") + marginsQueue(), QStringLiteral("oops"));
    const QString kept = h.folder.filePath(QStringLiteral("work/~~page.bmp"));

    h.prompts.answerNo();
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();
    ASSERT_EQ(h.prompts.asked.filter(QStringLiteral("askOkCancel")).size(), 1);
    EXPECT_TRUE(h.prompts.asked.last().contains(QLatin1String("cannot be used")));
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_TRUE(h.unlocked());

    h.prompts.answerYes();
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();
    ASSERT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join('\n').toStdString();
    EXPECT_TRUE(h.statusText().startsWith(QStringLiteral("Sent to %1 as job").arg(marginsQueue())))
        << h.statusText().toStdString();
    const DecodedPicture sheet = readPicture(kept);
    EXPECT_EQ(sheet.width, 1600);
    EXPECT_EQ(sheet.height, 2025);
}

struct FailureCase {
    const char* name;
    bool printingSystemStopped;
    std::function<QString()> printer; // the design's printer; empty: the default
    const char* pdf;                  // the PDF file answered, for the built-in printer
    std::function<QString()> named;   // what the message names
    const char* reason;
};

const FailureCase kFailures[] = {
    {"VanishedPrinter", false, [] { return QStringLiteral("GonePrinter"); }, nullptr,
     [] { return QStringLiteral("\"GonePrinter\""); }, "is not installed on this computer"},
    {"RefusedJob", false, closedQueue, nullptr, [] { return closedQueue(); }, "not accepting jobs"},
    {"StoppedPrintingSystem", true, testQueue, nullptr, [] { return testQueue(); },
     "the printing system (CUPS) is not running"},
    {"UnwritablePdf", true, [] { return QString(); }, "/no-such-folder/sheet.pdf",
     [] { return QStringLiteral("/no-such-folder/sheet.pdf"); }, "could not be written"},
};

void PrintTo(const FailureCase& failure, std::ostream* out) {
    *out << failure.name;
}

class WindowPrintFailureTest : public WindowPrintingTest,
                               public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WindowPrintFailureTest, SaysWhatWentWrongOnceAndKeepsTheSheetAndTheDesign) {
    const FailureCase& failure = GetParam();
    if (failure.printingSystemStopped) {
        cupsSetServer(kNoPrintingSystem);
    }
    PrintingWindow h(pageReads);
    h.design().selectPrinter(PrinterList{{failure.printer()}, 0}, 0);
    if (failure.pdf != nullptr) {
        h.prompts.answerPath(QString::fromLatin1(failure.pdf));
    }
    const TagDesign before = h.design();
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();

    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages[0].contains(failure.named()))
        << h.prompts.messages[0].toStdString();
    EXPECT_TRUE(h.prompts.messages[0].contains(QLatin1String(failure.reason)))
        << h.prompts.messages[0].toStdString();
    EXPECT_FALSE(h.w().SheetBitmap().isEmpty() || allWhite(h.w().SheetBitmap()));
    EXPECT_TRUE(h.unlocked());
    EXPECT_EQ(h.design().printer().name, before.printer().name);
    EXPECT_EQ(h.design().printer().copies, before.printer().copies);
}

INSTANTIATE_TEST_SUITE_P(Failures, WindowPrintFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& failure) { return std::string(failure.param.name); });

// The test's Letter queue at 600 dpi in landscape: 10.125 x 8.00 printable inches, a sheet
// of 2025 x 1600 tag dots, five 2.00 x 4.00 in tags across and two down.
TEST_F(WindowPrintingTest, PrinterSetupChoiceLaysTheSheetOutAndStaysWithTheDesign) {
    PrintingWindow h(pageReads);
    EXPECT_TRUE(testing::control<QLabel>(h.w(), QStringLiteral("TesselSizeLabel"))
                    ->text()
                    .endsWith(QLatin1String("Down = 2 Across = 4")));
    // Cancelled, the dialog changes nothing, but the page is read again and the tag redrawn.
    const int readsBefore = pageReads;
    h.prompts.answerPrinter(std::nullopt);
    h.control<QPushButton>(QStringLiteral("PrinterSetupButton"))->click();
    EXPECT_EQ(pageReads, readsBefore + 1);
    EXPECT_TRUE(h.w().DrawTimer().isPending());
    EXPECT_TRUE(h.design().printer().name.isEmpty());

    h.prompts.answerPrinter(PrinterSelection{marginsQueue(), QString(), true});
    h.control<QPushButton>(QStringLiteral("PrinterSetupButton"))->click();
    ASSERT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join('\n').toStdString();
    ASSERT_TRUE(h.prompts.asked.last().contains(marginsQueue()));
    h.settle();
    EXPECT_EQ(h.design().printer().name, marginsQueue());
    EXPECT_TRUE(h.design().printer().landscape);
    EXPECT_TRUE(testing::control<QLabel>(h.w(), QStringLiteral("TesselSizeLabel"))
                    ->text()
                    .endsWith(QLatin1String("Down = 2 Across = 5")))
        << testing::control<QLabel>(h.w(), QStringLiteral("TesselSizeLabel"))->text().toStdString();

    // The printer and orientation travel with the design file.
    const QString design = h.folder.filePath(QStringLiteral("landscape.vmg"));
    h.prompts.answerPath(design);
    ASSERT_TRUE(h.w().SaveAsItemClick());
    int readsAfterOpening = 0;
    PrintingWindow reopened(readsAfterOpening);
    reopened.w().OpenDesignFile(design);
    reopened.settle();
    EXPECT_EQ(reopened.design().printer().name, marginsQueue());
    EXPECT_TRUE(reopened.design().printer().landscape);
    EXPECT_TRUE(testing::control<QLabel>(reopened.w(), QStringLiteral("TesselSizeLabel"))
                    ->text()
                    .endsWith(QLatin1String("Down = 2 Across = 5")))
        << testing::control<QLabel>(reopened.w(), QStringLiteral("TesselSizeLabel"))
               ->text()
               .toStdString();
}

// With a price list in use, "Print Page" sends every sheet as one job of the chosen copies:
// 20 rows of 2.00 x 4.00 in tags, eight to cups-pdf's A4 page, are three pages.
TEST_F(WindowPrintingTest, APriceListPrintsEverySheetAsOneJob) {
    PrintingWindow h(pageReads);
    h.control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("${price}"));
    const QString table = h.folder.filePath(QStringLiteral("prices.csv"));
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("price\n");
    for (int row = 1; row <= 20; ++row) {
        file.write(QByteArray::number(row) + ".00\n");
    }
    file.close();
    h.prompts.answerPath(table);
    h.prompts.answerYes();
    h.w().priceList().UsePriceListItem->trigger();
    ASSERT_EQ(h.prompts.priceLists.size(), 1u) << h.prompts.messages.join('\n').toStdString();
    EXPECT_EQ(h.prompts.priceLists[0].sheets, 3);

    h.control<UpDown>(QStringLiteral("CopiesUpDown"))->setPosition(2);
    h.control<QPushButton>(QStringLiteral("PrintButton"))->click();
    ASSERT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join('\n').toStdString();
    const QRegularExpressionMatch sent =
        QRegularExpression(QStringLiteral("^Sent to (\\S+) as job (\\d+)$")).match(h.statusText());
    ASSERT_TRUE(sent.hasMatch()) << h.statusText().toStdString();
    const int job = sent.captured(2).toInt();
    const QString pdf = waitForJobPdf(testQueue(), job);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(controlFileCopies(job), 2);
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +3\n"))))
        << info.toStdString();
    EXPECT_TRUE(h.unlocked());
}

} // namespace
} // namespace veltmoor
