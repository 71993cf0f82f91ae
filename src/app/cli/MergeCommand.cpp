#include "app/cli/MergeCommand.h"

#include "app/cli/BarcodeCommand.h"
#include "app/cli/CommandLine.h"
#include "app/cli/CommandOptions.h"
#include "design/DesignPrinter.h"
#include "output/ImageExport.h"
#include "platform/Errors.h"
#include "pricelist/PriceList.h"
#include "printing/SheetPrinter.h"
#include "setupfile/SetupFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <optional>
#include <ostream>
#include <string>

namespace veltmoor {

namespace {

bool writesPdf(const CommandOptions& options) {
    return options.outputPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

// The rules between merge's options that the option table cannot tell.
void checkMergeOptions(const CommandOptions& options) {
    if (!options.check && options.outputPath.isEmpty() && !options.printer) {
        throw UsageError{"merge needs -o OUT or --printer NAME."};
    }
    if (options.printable && options.printer) {
        throw UsageError{"--printable and --printer exclude each other: each gives the page."};
    }
    if (options.printable && writesPdf(options)) {
        throw UsageError{"--printable belongs to pictures: a PDF is written on the built-in PDF "
                         "printer's page, or on --printer NAME's."};
    }
    if (options.copies && (!options.printer || !options.outputPath.isEmpty())) {
        throw UsageError{"--copies belongs to --printer NAME without -o."};
    }
    if (!options.outputPath.isEmpty() && !writesPdf(options)) {
        static const QStringList endings{"png", "bmp", "jpg", "jpeg"};
        if (!endings.contains(QFileInfo(options.outputPath).suffix().toLower())) {
            throw UsageError{"-o takes OUT.pdf, or OUT.png, OUT.bmp or OUT.jpg for a picture a "
                             "sheet."};
        }
    }
}

TagDesign openTemplate(const CommandOptions& options, std::ostream& err) {
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions openOptions;
    openOptions.decodePictures = false;
    const QString problems =
        openSetupFile(options.operand, design, openOptions).pictureProblemMessage();
    // Without --allow-missing the table's check names the missing pictures rows would print.
    if (!problems.isEmpty() && options.allowMissing) {
        err << "veltmoor-tags: " << problems.toStdString() << "\n";
    }
    if (options.marks) {
        design.setCuttingMarks(*options.marks);
    }
    applyBarcodeOverride(options, design);
    return design;
}

PrinterSelection selectionFor(const CommandOptions& options, const TagDesign& design) {
    PrinterSelection selection = printerSelectionOf(design);
    selection.printerName = options.printer.value_or(builtInPdfPrinterName());
    return selection;
}

// OUT-001.png, OUT-002.png, ... beside OUT.png.
QString numberedPath(const QString& path, int sheet) {
    const QFileInfo info(path);
    return info.dir().filePath(QStringLiteral("%1-%2.%3")
                                   .arg(info.completeBaseName())
                                   .arg(sheet, 3, 10, QLatin1Char('0'))
                                   .arg(info.suffix()));
}

// "1 sheet", "3 sheets".
std::string sheetCount(int count) {
    return std::to_string(count) + (count == 1 ? " sheet" : " sheets");
}

// A picture a sheet. A job that fails on the way takes back the pictures it wrote: half a
// series looks like a whole one in a folder.
void writePictureSeries(const SheetSeries& series, const CommandOptions& options) {
    QStringList written;
    try {
        streamSheets(series, [&](int index, const Bitmap& sheet) {
            const QString path = numberedPath(options.outputPath, options.firstSheet + index);
            exportPicture(path, sheet);
            written << path;
        });
    } catch (...) {
        for (const QString& path : written) {
            QFile::remove(path);
        }
        throw;
    }
}

} // namespace

int runMergeCommand(const CommandOptions& options, std::ostream& out, std::ostream& err) {
    checkMergeOptions(options);
    const TagDesign design = openTemplate(options, err);
    // A design saved with a price list names its table, as the window uses it again.
    const QString dataPath = options.dataPath.isEmpty() ? design.priceListPath() : options.dataPath;
    if (dataPath.isEmpty()) {
        throw UsageError{"merge needs --data TABLE.csv (or --data - for standard input), as the "
                         "design names no price list."};
    }
    const QString tableFolder =
        dataPath == QLatin1String("-") ? QDir::currentPath() : QFileInfo(dataPath).absolutePath();
    const PriceList list(readPriceTable(dataPath), PriceListTemplate::of(design),
                         PriceListOptions{tableFolder, options.allowMissing});
    const PrinterSelection selection = selectionFor(options, design);
    const PageMetrics page =
        options.printable ? *options.printable : ReadPrinterMetrics(selection).pageMetrics();
    PictureCache pictures;
    PriceListSheets sheets(list, page, pictures);
    if (options.check) {
        out << "Rows: " << list.rowCount() << "\nTags: " << list.tagCount()
            << "\nSheets: " << sheets.count() << " (" << sheets.tagsPerSheet()
            << " tags a sheet)\n";
        if (!list.problems().isEmpty()) {
            err << "veltmoor-tags: " << list.problemMessage().toStdString() << "\n";
            return kExitBadInput;
        }
        return kExitOk;
    }
    if (!list.problems().isEmpty()) {
        throw UserError(list.problemMessage());
    }
    const int last = options.lastSheet.value_or(sheets.count());
    if (last > sheets.count()) {
        throw UserError(
            QStringLiteral("The table makes %1 sheets, so there are no sheets %2 to %3.")
                .arg(sheets.count())
                .arg(options.firstSheet)
                .arg(last));
    }
    SheetSeries series;
    series.count = last - options.firstSheet + 1;
    series.compose = [&](int index, Bitmap& sheet) {
        sheets.compose(options.firstSheet - 1 + index, sheet);
    };
    // A terminal sees how far a long job has come; a log gets only what matters.
    if (series.count > 1 && isatty(STDERR_FILENO) != 0) {
        series.progress = [&](int done, int count) {
            err << "\rSheet " << done << " of " << count << (done == count ? "\n" : "")
                << std::flush;
        };
    }
    if (!options.outputPath.isEmpty() && !writesPdf(options)) {
        writePictureSeries(series, options);
        out << "Wrote " << sheetCount(series.count) << " as "
            << QDir::toNativeSeparators(numberedPath(options.outputPath, options.firstSheet))
                   .toStdString()
            << " and on.\n";
        return kExitOk;
    }
    PrintRequest request;
    request.printer = selection;
    request.copies =
        options.outputPath.isEmpty() ? options.copies.value_or(design.printer().copies) : 1;
    request.pdfPath = options.outputPath;
    request.useCalibration = options.useCalibration;
    request.documentName = QFileInfo(options.operand).completeBaseName();
    const PrintResult printed = PrintSheets(series, request);
    if (printed.jobNumber > 0) {
        out << "Sent " << sheetCount(series.count) << " to \"" << printed.printerName.toStdString()
            << "\" as job " << printed.jobNumber << ".\n";
    } else {
        out << "Wrote " << sheetCount(series.count) << " to "
            << QDir::toNativeSeparators(options.outputPath).toStdString() << ".\n";
    }
    return kExitOk;
}

} // namespace veltmoor
