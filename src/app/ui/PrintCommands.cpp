#include "app/ui/TForm1.h"

#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ControlPage.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/PriceListCommands.h"
#include "app/ui/Prompts.h"
#include "app/ui/ScopeExit.h"
#include "app/ui/UpDown.h"
#include "design/DesignPrinter.h"
#include "platform/Errors.h"
#include "printing/Calibration.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace veltmoor {

namespace {

const QString kPrintDocumentName = QStringLiteral("Veltmoor tags");

// The design keeps its printer by index among the installed printers, as its file does.
int indexAmong(const PrinterList& installed, const QString& printerName) {
    return static_cast<int>(installed.names.indexOf(printerName));
}

QString printedOutcome(const PrintResult& printed, const PrintRequest& request) {
    if (printed.jobNumber <= 0) {
        return QStringLiteral("Wrote %1").arg(QFileInfo(request.pdfPath).fileName());
    }
    QString sent =
        QStringLiteral("Sent to %1 as job %2").arg(printed.printerName).arg(printed.jobNumber);
    // A corrected page is no surprise to someone who forgot the printer was calibrated.
    if (printed.calibrationApplied) {
        sent += QStringLiteral(", placed by the printer's calibration profile");
    }
    return sent + pausedPrinterNote(printed);
}

// A printer whose kept profile is damaged prints without it only when the user says so;
// false when the user would rather not print.
bool settleDamagedCalibration(Prompts& prompts, const QString& printerName, PrintRequest& request) {
    if (!request.useCalibration) {
        return true;
    }
    try {
        loadCalibration(printerName);
        return true;
    } catch (const UnreadableCalibration& damage) {
        if (!prompts.askOkCancel(damage.message() +
                                     QStringLiteral(" Print the sheet without the calibration?"),
                                 QStringLiteral("Print Page"))) {
            return false;
        }
        request.useCalibration = false;
        return true;
    }
}

} // namespace

void attachSystemPrinting(WindowServices& services) {
    services.readPrinterMetrics = [](const PrinterSelection& selection) {
        return ReadPrinterMetrics(selection);
    };
    services.listPrinters = [] { return listPrinters(); };
    services.installedPrinters = [] { return installedPrinters(); };
    services.printSheet = [](Bitmap& sheet, const PrintRequest& request) {
        return PrintSheet(sheet, request);
    };
    services.printSheets = [](const SheetSeries& sheets, const PrintRequest& request) {
        return PrintSheets(sheets, request);
    };
}

void TForm1::refreshPrinterMetrics() {
    if (!services_.readPrinterMetrics) {
        return;
    }
    QString problem;
    {
        const BusyCursor busy;
        try {
            printerMetrics_ = services_.readPrinterMetrics(printerSelectionOf(design_));
            statusPanels[0]->setText(
                QStringLiteral("Printer: %1").arg(printerMetrics_.PrinterName));
        } catch (const UserError& error) {
            problem = error.message();
        }
    }
    if (!problem.isEmpty()) {
        prompts_.message(problem);
    }
}

std::optional<PrintRequest> TForm1::askPrintRequest() {
    PrintRequest request;
    request.printer = printerSelectionOf(design_);
    request.copies = controlPage_->copies();
    request.documentName = kPrintDocumentName;
    if (!printsToPdfFile(request.printer, services_.installedPrinters())) {
        return request;
    }
    const std::optional<QString> path =
        prompts_.saveFile(QStringLiteral("Print the sheet of tags to a PDF file"),
                          QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"), printFolder_);
    if (!path) {
        return std::nullopt;
    }
    printFolder_ = QFileInfo(*path).absolutePath();
    request.pdfPath = *path;
    return request;
}

void TForm1::PrintButtonClick() {
    // The file name comes first: while its dialog is up the redraw timer may run, and a
    // tag render drops the composed sheet.
    std::optional<PrintRequest> request = askPrintRequest();
    if (!request) {
        prompts_.message(QStringLiteral("Sheet not printed. No name entered for the PDF file."));
        return;
    }
    // The sheet is laid out on the page it is printed on, read now: the printer may have
    // changed since the page was last read.
    // A printer that cannot be read now is reported once, by the print itself.
    if (services_.readPrinterMetrics) {
        const BusyCursor busy;
        try {
            printerMetrics_ = services_.readPrinterMetrics(request->printer);
        } catch (const UserError&) {
        }
    }
    if (!settleDamagedCalibration(prompts_, printerMetrics_.PrinterName, *request)) {
        return;
    }
    DisableControls();
    design_.setPrinting(true);
    const ScopeExit done([this] {
        design_.setPrinting(false);
        design_.setRenderMode(RenderMode::Single);
        EnableControls();
    });
    const BusyCursor busy;
    design_.setRenderMode(RenderMode::Print);
    // A price list prints every sheet of its table as one job.
    if (priceList_->inUse()) {
        if (const auto printed = priceList_->printAll(*request, QStringLiteral("Print Page"))) {
            statusPanels[0]->setText(printedOutcome(*printed, *request));
        }
        return;
    }
    PrintPreview();
    const PrintResult printed = services_.printSheet(SheetBitmap_, *request);
    statusPanels[0]->setText(printedOutcome(printed, *request));
}

void TForm1::PrinterSetupButtonClick() {
    const std::vector<PrinterDescription> printers = services_.listPrinters();
    if (const auto chosen = prompts_.choosePrinter(printers, printerSelectionOf(design_))) {
        const PrinterList installed = printerListFor(printers);
        design_.selectPrinter(installed, indexAmong(installed, chosen->printerName));
        design_.setPrinterPaper(chosen->paper, chosen->landscape);
    }
    // Confirmed or not, the page is read again: the printer may have changed behind the
    // program's back.
    refreshPrinterMetrics();
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, basicPage_);
    }
    DrawTag(design_.currentSlot());
}

void TForm1::connectPrintCommands() {
    printCommandsConnected_ =
        services_.listPrinters && services_.installedPrinters && services_.printSheet;
    if (!printCommandsConnected_) {
        return;
    }
    onPage(controlPage_, &ControlPage::printAsked, [this] { PrintButtonClick(); });
    onPage(controlPage_, &ControlPage::printerSetupAsked, [this] { PrinterSetupButtonClick(); });
    controlPage_->offerPrinting(sheetCommandsWanted_);
}

} // namespace veltmoor
