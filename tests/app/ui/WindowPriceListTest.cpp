// File -> "Use Price List..." in the window: a table's rows on sheets of the design's tags,
// previewed sheet by sheet, saved as one PDF, remembered by the design file.
#include "app/ui/PriceListCommands.h"
#include "support/ExternalTool.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::WindowHarness;

// The sheets are written as the built-in PDF printer writes them, whatever this computer has.
WindowServices builtInPdfPrinting() {
    WindowServices services;
    services.printSheets = [](const SheetSeries& sheets, PrintRequest request) {
        request.printer.printerName = builtInPdfPrinterName();
        return PrintSheets(sheets, request);
    };
    return services;
}

// A red tag of 2.50 x 3.00 in whose corner text is the row's price: three across and three
// down on the harness's 8 x 10 in page. The table of 25 rows lies beside the design.
struct ShopWindow : WindowHarness {
    ShopWindow() : WindowHarness(builtInPdfPrinting()) {
        startDesigning(picture(QStringLiteral("red.bmp"), 100, 100, clRed));
        type(testing::control<QLineEdit>(w(), QStringLiteral("WidthEdit")), QStringLiteral("2.50"));
        type(testing::control<QLineEdit>(w(), QStringLiteral("HeightEdit")),
             QStringLiteral("3.00"));
        control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("${price}"));
        settle();
        QFile file(table);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("name;price\n");
        for (int row = 1; row <= 25; ++row) {
            file.write(QStringLiteral("Item %1;%2.00\n").arg(row).arg(row).toUtf8());
        }
    }
    PriceListCommands& list() { return w().priceList(); }
    QString sheetNumber() {
        return control(QStringLiteral("SheetNavigation"))
                       ->isVisibleTo(control(QStringLiteral("PreviewTabSheet")))
                   ? control<QLabel>(QStringLiteral("SheetNumberLabel"))->text()
                   : QString();
    }
    QPushButton* previous() { return control<QPushButton>(QStringLiteral("PreviousSheetButton")); }
    QPushButton* next() { return control<QPushButton>(QStringLiteral("NextSheetButton")); }
    void use() {
        prompts.answerPath(table);
        prompts.answerYes();
        list().UsePriceListItem->trigger();
    }
    // The sheet's red dots: each tag shows the same red picture.
    qint64 redDots() {
        const QImage sheet = w().SheetBitmap().toQImage();
        qint64 red = 0;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                red += sheet.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
            }
        }
        return red;
    }
    int pdfPages(const QString& pdf) {
        const QString info = test::runTool(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
        return QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(info).captured(1).toInt();
    }

    QString table = folder.filePath(QStringLiteral("prices.csv"));
};

TEST(WindowPriceList, TwentyFiveRowsMakeThreeSheetsPreviewedInTurnAndSavedAsOnePdf) {
    ShopWindow h;
    h.use();
    ASSERT_EQ(h.prompts.priceLists.size(), 1u) << h.prompts.messages.join('\n').toStdString();
    const PriceListSummary& summary = h.prompts.priceLists.front();
    EXPECT_EQ(summary.countsText(), "25 rows, 25 tags, 3 sheets of 9 tags");
    ASSERT_EQ(summary.fields.size(), 1u);
    EXPECT_EQ(summary.fields[0].name, "price");
    EXPECT_TRUE(summary.fields[0].found);
    EXPECT_EQ(summary.firstRows.at(1).cells, QStringList({"Item 2", "2.00"}));

    EXPECT_EQ(h.w().PageControl1->currentWidget(), h.control(QStringLiteral("PreviewTabSheet")));
    EXPECT_EQ(h.sheetNumber(), "Sheet 1 of 3");
    EXPECT_FALSE(h.previous()->isEnabled());
    const qint64 fullSheet = h.redDots();
    h.next()->click();
    EXPECT_EQ(h.sheetNumber(), "Sheet 2 of 3");
    h.next()->click();
    EXPECT_EQ(h.sheetNumber(), "Sheet 3 of 3");
    EXPECT_FALSE(h.next()->isEnabled());
    // The last sheet holds the 7 tags left: 7/9 of a full sheet's red, give or take the
    // prices' digits over the pictures.
    EXPECT_NEAR(static_cast<double>(h.redDots()) / static_cast<double>(fullSheet), 7.0 / 9.0, 0.02);
    h.previous()->click();
    EXPECT_EQ(h.sheetNumber(), "Sheet 2 of 3");

    const QString pdf = h.folder.filePath(QStringLiteral("sheets.pdf"));
    h.prompts.answerPath(pdf);
    h.list().SaveSheetsAsPdfItem->trigger();
    EXPECT_EQ(h.pdfPages(pdf), 3);
    EXPECT_EQ(h.prompts.jobSteps, QStringList({"Sheet 1 of 3", "Sheet 2 of 3", "Sheet 3 of 3"}));

    // Stopped after its first sheet, a job writes nothing at all.
    const QString stopped = h.folder.filePath(QStringLiteral("stopped.pdf"));
    h.prompts.stopJobAfter = 1;
    h.prompts.answerPath(stopped);
    h.list().SaveSheetsAsPdfItem->trigger();
    EXPECT_FALSE(QFile::exists(stopped));
    EXPECT_TRUE(h.w().statusPanels[0]->text().startsWith("Stopped"));
    EXPECT_TRUE(h.prompts.messages.isEmpty()) << h.prompts.messages.join('\n').toStdString();
}

TEST(WindowPriceList, TheDesignKeepsItsTableBesideItAndStopUndoAndAMissingTableGoBack) {
    ShopWindow h;
    // A table without the design's field is shown with its problem, and is not used.
    h.control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("${cost}"));
    h.use();
    ASSERT_EQ(h.prompts.priceLists.size(), 1u);
    EXPECT_FALSE(h.prompts.priceLists[0].fields.at(0).found);
    EXPECT_EQ(h.prompts.priceLists[0].problems,
              QStringList("slot 1 uses the field ${cost}, but the table's header names only "
                          "name, price"));
    EXPECT_TRUE(h.design().priceListPath().isEmpty());

    h.control<QLineEdit>(QStringLiteral("ValueEdit"))->setText(QStringLiteral("${price}"));
    h.use();
    EXPECT_EQ(h.w().findChild<QAction*>("UndoItem")->text(), "&Undo Price List");
    const QString design = h.folder.filePath(QStringLiteral("shop.vmg"));
    h.prompts.answerPath(design);
    ASSERT_TRUE(h.w().SaveAsItemClick());
    QFile saved(design);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\r\n\"prices.csv\" PriceList\r\n"));

    h.list().StopUsingPriceListItem->trigger();
    EXPECT_TRUE(h.design().priceListPath().isEmpty());
    EXPECT_EQ(h.sheetNumber(), QString()); // the plain sheet
    h.w().findChild<QAction*>("UndoItem")->trigger();
    EXPECT_EQ(h.design().priceListPath(), h.table);

    h.list().StopUsingPriceListItem->trigger();
    h.w().OpenDesignFile(design);
    EXPECT_EQ(h.design().priceListPath(), h.table);
    h.control<QPushButton>(QStringLiteral("PreviewButton"))->click();
    EXPECT_EQ(h.sheetNumber(), "Sheet 1 of 3");

    // Without its table the design opens on the plain sheet, and says why.
    ASSERT_TRUE(QFile::rename(h.table, h.table + ".old"));
    h.w().OpenDesignFile(design);
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages[0].contains("prices.csv of this design is not there"));
    h.control<QPushButton>(QStringLiteral("PreviewButton"))->click();
    EXPECT_EQ(h.sheetNumber(), QString());
    EXPECT_FALSE(h.w().SheetBitmap().isEmpty());
}

} // namespace
} // namespace veltmoor
