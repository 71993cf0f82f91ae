#include "app/cli/PrintCommand.h"

#include "app/cli/BarcodeCommand.h"
#include "app/cli/CommandLine.h"
#include "app/cli/DesignChecks.h"
#include "design/DesignComposition.h"
#include "design/DesignPrinter.h"
#include "output/SheetLayout.h"
#include "platform/Errors.h"
#include "printing/SheetPrinter.h"
#include "setupfile/SetupFile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <ostream>

namespace veltmoor {

namespace {

PrinterSelection selectionFor(const CommandOptions& options, const TagDesign& design,
                              std::ostream& err) {
    PrinterSelection selection = printerSelectionOf(design);
    if (options.printer) {
        selection.printerName = *options.printer;
    }
    if (!options.pdfPath.isEmpty()) {
        selection.printerName = builtInPdfPrinterName();
    }
    if (printsToPdfFile(selection) && options.pdfPath.isEmpty()) {
        throw UserError(QStringLiteral("No printer is installed (or the printing system is not "
                                       "running), so the sheet of %1 can only be written as a "
                                       "PDF file: name it with --pdf OUT.pdf.")
                            .arg(options.operand));
    }
    useOfferedPaper(selection, err);
    return selection;
}

} // namespace

int runPrintCommand(const CommandOptions& options, std::ostream& out, std::ostream& err) {
    if (options.printer && !options.pdfPath.isEmpty()) {
        throw UsageError{"--printer and --pdf exclude each other: --pdf prints on the built-in "
                         "PDF printer."};
    }

    // The design as the window has it after opening the file: its printer index picks from
    // the printers installed now.
    PictureCache pictures;
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions openOptions;
    openOptions.printers = installedPrinters();
    openOptions.pictureOptions = PictureReadOptions{1, 1};
    openOptions.pictures = &pictures;
    checkNeededPictures(
        openSetupFile(options.operand, design, openOptions),
        {.allowMissing = options.allowMissing, .verb = "print", .refusal = "printed"}, err);

    if (options.marks) {
        design.setCuttingMarks(*options.marks);
    }
    applyBarcodeOverride(options, design);
    const PrinterSelection selection = selectionFor(options, design, err);
    const PrinterMetrics metrics = ReadPrinterMetrics(selection);
    design.setRenderMode(RenderMode::Print);
    design.setPrinting(true);
    RefreshTessels(design, metrics.pageMetrics(), pictures);
    Bitmap sheet = composeSheet(design.slotTable(), sheetPlanFor(design, metrics.pageMetrics()),
                                design.tagWidthDots(), design.tagHeightDots());

    PrintRequest request;
    request.printer = selection;
    request.copies = options.copies.value_or(design.printer().copies);
    request.pdfPath = options.pdfPath;
    request.useCalibration = options.useCalibration;
    request.documentName = QFileInfo(options.operand).completeBaseName();
    const PrintResult printed = PrintSheet(sheet, request);
    if (printed.jobNumber > 0) {
        out << "Sent to \"" << printed.printerName.toStdString() << "\" as job "
            << printed.jobNumber << pausedPrinterNote(printed).toStdString() << ".\n";
    } else {
        out << "Wrote " << QDir::toNativeSeparators(options.pdfPath).toStdString() << ".\n";
    }
    return kExitOk;
}

} // namespace veltmoor
