#include "printing/SheetPrinter.h"

#include "output/BandedPrinting.h"
#include "output/PrinterPage.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "platform/WholeFile.h"
#include "platform/WorkingFolder.h"
#include "printing/Calibration.h"
#include "printing/CupsClient.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <functional>
#include <future>
#include <memory>

namespace veltmoor {

namespace {

constexpr int kFewestCopies = 1;
constexpr int kMostCopies = 4;
const QString kLastSheetName = QStringLiteral("~~page.bmp");
const QString kCreator = QStringLiteral("Veltmoor Tags Print");

PaperChoice builtInPaper() {
    return paperForLocale(QLocale::system());
}

// The system's default printer; the first one listed when the system names none.
QString defaultPrinterName(const QStringList& installed) {
    const QString named = QPrinterInfo::defaultPrinterName();
    if (installed.contains(named)) {
        return named;
    }
    return installed.value(0);
}

// The printer the selection prints on; the built-in PDF printer's name when that is it.
QString resolvedPrinterName(const PrinterSelection& selection) {
    if (!selection.printerName.isEmpty()) {
        return selection.printerName;
    }
    const QString fallback = defaultPrinterName(QPrinterInfo::availablePrinterNames());
    return fallback.isEmpty() ? builtInPdfPrinterName() : fallback;
}

QPrinterInfo installedPrinter(const QString& name) {
    requirePrinterReachable(name);
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        throw UserError(
            QStringLiteral("The printer \"%1\" is not installed on this computer.").arg(name));
    }
    return info;
}

// The paper under the driver's own name: that name carries the driver's unprintable margins,
// where the same size under another name would come without them.
QPageSize driverPageSize(const QPrinterInfo& info, const QString& paper) {
    const QString key = paper.isEmpty() ? info.defaultPageSize().key() : paper;
    for (const QPageSize& size : info.supportedPageSizes()) {
        if (size.key() == key) {
            return size;
        }
    }
    if (!paper.isEmpty()) {
        throw UserError(QStringLiteral("The printer \"%1\" has no paper called \"%2\".")
                            .arg(info.printerName(), paper));
    }
    return info.defaultPageSize();
}

// Sets the printer up for the selection and returns the page it then prints. The order
// matters: the resolution first, as Qt works the page out in dots from it; the driver's
// paper set explicitly, as a new printer starts on A4 whatever the driver's default; the
// margins read upright, as Qt does not turn them for landscape.
DriverPage setUpPrinter(QPrinter& printer, const QPrinterInfo& info,
                        const PrinterSelection& selection) {
    DriverPage page;
    page.printerName = info.printerName();
    page.resolution = driverDefaultResolution(page.printerName);
    printer.setResolution(page.resolution > 0 ? page.resolution : kFallbackPrinterResolution);
    page.pageSize = driverPageSize(info, selection.paper);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(page.pageSize);
    QPageLayout upright = printer.pageLayout();
    upright.setUnits(QPageLayout::Point);
    page.portraitMinimumMargins = upright.minimumMargins();
    page.landscape = selection.landscape;
    page.color = info.defaultColorMode() != QPrinter::GrayScale;
    // The painter draws on the whole paper; the sheet is placed by the metrics.
    printer.setFullPage(true);
    printer.setPageOrientation(selection.landscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    return page;
}

PrinterMetrics builtInPrinterMetrics(bool landscape) {
    const PrinterMetrics upright = builtInPdfPrinterMetrics(builtInPaper());
    return landscape ? turnedToLandscape(upright) : upright;
}

// Whether the spool file ends as a finished PDF does.
bool isWholePdf(const QByteArray& pdf) {
    return pdf.startsWith("%PDF-") && pdf.right(16).contains("%%EOF");
}

// What goes on the page, drawn on the whole paper in device dots.
using PageDrawing = std::function<void(QPainter&, const PrinterMetrics&)>;

// The page drawn by Qt's engine for the printer, as the PDF it writes. A document that
// fails part-way is abandoned and never handed to the printing system.
QByteArray drawnPdf(QPrinter& printer, const PageDrawing& draw, const PrinterMetrics& metrics,
                    const QString& title) {
    const QTemporaryDir spool;
    if (!spool.isValid()) {
        throw UserError(QStringLiteral("The sheet cannot be prepared for the printer \"%1\": no "
                                       "temporary folder can be made (%2).")
                            .arg(metrics.PrinterName, spool.errorString()));
    }
    // No ".pdf" ending: that would swap the printer's own engine for Qt's plain PDF one.
    const QString spoolFile = spool.filePath(QStringLiteral("sheet"));
    printer.setOutputFileName(spoolFile);
    printer.setDocName(title);
    printer.setCreator(kCreator);
    const auto cannotWrite = [&] {
        return UserError(QStringLiteral("The sheet cannot be prepared for the printer \"%1\": the "
                                        "temporary file %2 could not be written whole.")
                             .arg(metrics.PrinterName, QDir::toNativeSeparators(spoolFile)));
    };
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw cannotWrite();
    }
    // Without this the images would reach the printer JPEG-compressed.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    try {
        draw(painter, metrics);
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    painter.end();
    QFile spooled(spoolFile);
    const QByteArray pdf = spooled.open(QIODevice::ReadOnly) ? spooled.readAll() : QByteArray();
    if (!isWholePdf(pdf)) {
        throw cannotWrite();
    }
    return pdf;
}

JobOptions jobOptions(const DriverPage& page, int copies) {
    JobOptions options{
        {"media", page.pageSize.key().toUtf8()},
        {"copies", QByteArray::number(copies)},
        // The page is drawn at the paper's true size; the printing system must not shrink
        // it to fit the printable area.
        {"print-scaling", "none"},
        {"fit-to-page", "false"},
    };
    if (page.landscape) {
        options.emplace_back("orientation-requested", "4");
    }
    return options;
}

// A page ready for its printer: the PDF the printer is handed, and how.
struct PreparedPage {
    QString printerName;
    QByteArray pdf;
    JobOptions options;
};

// Hands the page to its printer as one job, or writes it to keptPdfPath, when one is given,
// as the printer would have received it.
PrintResult handOver(const PreparedPage& page, const QString& title,
                     const QString& keptPdfPath = {}) {
    PrintResult result;
    result.printerName = page.printerName;
    if (keptPdfPath.isEmpty()) {
        result.jobNumber = submitPrintJob(page.printerName, page.pdf, title, page.options);
        result.printerPaused = printerIsPaused(page.printerName);
    } else {
        writeWholeFile(keptPdfPath, page.pdf);
    }
    return result;
}

// The paper in points as the printer is told it: the driver's whole points, as its own
// description gives them, turned for landscape.
QSizeF paperPoints(const DriverPage& page) {
    QSizeF points = page.pageSize.sizePoints();
    if (page.landscape) {
        points.transpose();
    }
    return points;
}

// The sheet for an installed printer, placed as its calibration profile (if any) says.
PreparedPage preparedSheet(const QString& printerName, const Bitmap& sheet,
                           const PrintRequest& request, const CalibrationProfile& calibration) {
    const QPrinterInfo info = installedPrinter(printerName);
    QPrinter printer(info, QPrinter::HighResolution);
    const DriverPage page = setUpPrinter(printer, info, request.printer);
    const PaperOnPdf paper{paperPoints(page), 1, request.documentName};
    return {printerName,
            PrintBitmapBanded(sheet, printerMetricsFor(page), paper,
                              PageCalibration{calibration, request.printer.landscape}),
            jobOptions(page, request.copies)};
}

// The sheet as the built-in PDF printer writes it: a page per copy.
PreparedPage preparedBuiltInSheet(const Bitmap& sheet, const PrintRequest& request) {
    if (request.pdfPath.isEmpty()) {
        throw UserError(QStringLiteral("No printer is installed, and no PDF file was named for the "
                                       "built-in PDF printer to write."));
    }
    return {builtInPdfPrinterName(),
            builtInPdf(sheet, builtInPrinterMetrics(request.printer.landscape), builtInPaper(),
                       request.printer.landscape, request.copies, request.documentName),
            {}};
}

void requireCopiesInRange(int copies) {
    if (copies < kFewestCopies || copies > kMostCopies) {
        throw UserError(QStringLiteral("The number of copies must be between %1 and %2, not %3.")
                            .arg(kFewestCopies)
                            .arg(kMostCopies)
                            .arg(copies));
    }
}

// The printer's calibration profile, when the request wants it and the printer has one.
CalibrationProfile calibrationFor(const PrintRequest& request, const QString& printerName) {
    return request.useCalibration && printerName != builtInPdfPrinterName()
               ? loadCalibration(printerName).value_or(CalibrationProfile{})
               : CalibrationProfile{};
}

// Where a job of many sheets is written: the file asked for, replaced only once it is whole,
// or a temporary file that is then handed to the printer.
class SeriesFile {
public:
    explicit SeriesFile(const QString& keptPdfPath) {
        if (keptPdfPath.isEmpty()) {
            device_ = std::make_unique<QTemporaryFile>();
        } else {
            device_ = std::make_unique<QSaveFile>(keptPdfPath);
        }
        path_ = keptPdfPath.isEmpty() ? QStringLiteral("a temporary file") : keptPdfPath;
        // The temporary file is read back for the printer; a saved file is only written.
        if (!device_->open(keptPdfPath.isEmpty() ? QIODevice::ReadWrite : QIODevice::WriteOnly)) {
            throw failure();
        }
    }

    void write(const QByteArray& bytes) {
        if (device_->write(bytes) != bytes.size()) {
            throw failure();
        }
    }

    void commit() {
        auto* saved = dynamic_cast<QSaveFile*>(device_.get());
        if (saved != nullptr && !saved->commit()) {
            throw failure();
        }
    }

    QIODevice& rewound() {
        if (!device_->flush() || !device_->seek(0)) {
            throw failure();
        }
        return *device_;
    }

private:
    UserError failure() const {
        return UserError(QStringLiteral("The PDF file %1 cannot be written: %2.")
                             .arg(QDir::toNativeSeparators(path_), device_->errorString()));
    }

    std::unique_ptr<QFileDevice> device_;
    QString path_;
};

} // namespace

std::vector<PrinterDescription> listPrinters() {
    std::vector<PrinterDescription> printers;
    const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
    const QString defaultName = defaultPrinterName(QPrinterInfo::availablePrinterNames());
    for (const QPrinterInfo& info : installed) {
        PrinterDescription printer;
        printer.name = info.printerName();
        printer.paper = info.defaultPageSize().key();
        for (const QPageSize& size : info.supportedPageSizes()) {
            printer.papers << size.key();
            printer.paperNames << size.name();
        }
        const int resolution = driverDefaultResolution(printer.name);
        printer.resolution = resolution > 0 ? resolution : kFallbackPrinterResolution;
        printer.isDefault = printer.name == defaultName;
        printers.push_back(printer);
    }
    if (printers.empty()) {
        PrinterDescription builtIn;
        builtIn.name = builtInPdfPrinterName();
        builtIn.paper = builtInPdfPageSize(builtInPaper()).key();
        builtIn.papers << builtIn.paper;
        builtIn.paperNames << builtInPdfPageSize(builtInPaper()).name();
        builtIn.resolution = kBuiltInPdfResolution;
        builtIn.isDefault = true;
        builtIn.builtIn = true;
        printers.push_back(builtIn);
    }
    return printers;
}

PrinterList installedPrinters() {
    PrinterList list;
    list.names = QPrinterInfo::availablePrinterNames();
    list.defaultIndex = static_cast<int>(list.names.indexOf(defaultPrinterName(list.names)));
    return list;
}

PrinterList printerListFor(const std::vector<PrinterDescription>& printers) {
    PrinterList list;
    for (const PrinterDescription& printer : printers) {
        if (printer.builtIn) {
            continue;
        }
        if (printer.isDefault) {
            list.defaultIndex = static_cast<int>(list.names.size());
        }
        list.names << printer.name;
    }
    return list;
}

bool printsToPdfFile(const PrinterSelection& selection) {
    return resolvedPrinterName(selection) == builtInPdfPrinterName();
}

bool printsToPdfFile(const PrinterSelection& selection, const PrinterList& installed) {
    if (!selection.printerName.isEmpty()) {
        return selection.printerName == builtInPdfPrinterName();
    }
    return installed.names.isEmpty();
}

PrinterMetrics ReadPrinterMetrics(const PrinterSelection& selection) {
    const QString name = resolvedPrinterName(selection);
    if (name == builtInPdfPrinterName()) {
        return builtInPrinterMetrics(selection.landscape);
    }
    const QPrinterInfo info = installedPrinter(name);
    QPrinter printer(info, QPrinter::HighResolution);
    return printerMetricsFor(setUpPrinter(printer, info, selection));
}

PrintResult PrintSheet(Bitmap& SheetBitmap, const PrintRequest& request) {
    requireCopiesInRange(request.copies);
    const QString printerName = resolvedPrinterName(request.printer);
    const bool builtIn = printerName == builtInPdfPrinterName();
    const CalibrationProfile calibration = calibrationFor(request, printerName);
    // The last sheet sent is kept, written while the page is prepared; when it cannot be
    // kept, nothing is printed.
    const Bitmap& sheet = SheetBitmap;
    std::future<void> keptSheet = std::async(std::launch::async | std::launch::deferred, [&sheet] {
        writeBmp24(workingFilePath(kLastSheetName), sheet);
    });
    const PreparedPage page = builtIn ? preparedBuiltInSheet(sheet, request)
                                      : preparedSheet(printerName, sheet, request, calibration);
    keptSheet.get();
    PrintResult result =
        handOver(page, request.documentName, builtIn ? request.pdfPath : QString());
    result.calibrationApplied = !calibration.isIdentity();
    // Blanked in place: the sheet's memory is reused, not given back and taken again.
    SheetBitmap.resize(SheetBitmap.width(), SheetBitmap.height(), clWhite);
    return result;
}

QString pausedPrinterNote(const PrintResult& printed) {
    return printed.printerPaused
               ? QStringLiteral("; the printer is paused, so the job waits until it is resumed")
               : QString();
}

PrintResult PrintCalibrationSheet(const QString& printerName, const QString& pdfPath) {
    if (printerName.isEmpty() || printerName == builtInPdfPrinterName()) {
        throw UserError(QStringLiteral("The built-in PDF printer writes the sheet at its true size "
                                       "and takes no calibration: name an installed printer."));
    }
    PrintRequest request;
    request.printer.printerName = printerName;
    request.documentName = QStringLiteral("Calibration sheet");
    const QPrinterInfo info = installedPrinter(printerName);
    QPrinter printer(info, QPrinter::HighResolution);
    const DriverPage page = setUpPrinter(printer, info, request.printer);
    const PreparedPage prepared{
        printerName,
        drawnPdf(printer, drawCalibrationSheet, printerMetricsFor(page), request.documentName),
        jobOptions(page, request.copies)};
    return handOver(prepared, request.documentName, pdfPath);
}

PrintResult PrintSheets(const SheetSeries& sheets, const PrintRequest& request) {
    requireCopiesInRange(request.copies);
    const QString printerName = resolvedPrinterName(request.printer);
    const bool builtIn = printerName == builtInPdfPrinterName();
    if (builtIn && request.pdfPath.isEmpty()) {
        throw UserError(QStringLiteral("No printer is installed, and no PDF file was named for the "
                                       "built-in PDF printer to write."));
    }
    const CalibrationProfile calibration = calibrationFor(request, printerName);
    PrinterMetrics metrics;
    QSizeF paper;
    JobOptions options;
    // The built-in printer writes a page per copy; a printer is told the copy count.
    int pagesPerSheet = 1;
    if (builtIn) {
        metrics = builtInPrinterMetrics(request.printer.landscape);
        paper = builtInPdfPaperPoints(builtInPaper(), request.printer.landscape);
        pagesPerSheet = request.copies;
    } else {
        const QPrinterInfo info = installedPrinter(printerName);
        QPrinter printer(info, QPrinter::HighResolution);
        const DriverPage page = setUpPrinter(printer, info, request.printer);
        metrics = printerMetricsFor(page);
        paper = paperPoints(page);
        options = jobOptions(page, request.copies);
    }
    SeriesFile file(request.pdfPath);
    SheetPdfWriter writer([&file](const QByteArray& bytes) { file.write(bytes); },
                          request.documentName, kCreator);
    const SheetPdfPage pdfPage{
        paper, metrics.PixelsPerInchX, metrics.PixelsPerInchY, request.documentName, kCreator, true,
        true};
    const PageCalibration placement{calibration, request.printer.landscape};
    streamSheets(sheets, [&](int, const Bitmap& sheet) {
        writer.addSheet(sheet, stripsOnPaper(sheet.width(), sheet.height(), metrics, placement),
                        pdfPage, pagesPerSheet);
    });
    writer.finish();
    PrintResult result;
    result.printerName = printerName;
    result.calibrationApplied = !calibration.isIdentity();
    if (request.pdfPath.isEmpty()) {
        result.jobNumber =
            submitPrintJob(printerName, file.rewound(), request.documentName, options);
    } else {
        file.commit();
    }
    return result;
}

} // namespace veltmoor
