#include "app/cli/CalibrateCommand.h"

#include "app/cli/CommandLine.h"
#include "platform/Errors.h"
#include "printing/Calibration.h"
#include "printing/SheetPrinter.h"

#include <QDir>

#include <optional>
#include <ostream>

namespace veltmoor {

namespace {

// The rules between calibrate's options, which the option table cannot tell.
void checkCalibrateOptions(const CommandOptions& options) {
    if (!options.printer || options.printer->isEmpty()) {
        throw UsageError{"calibrate needs --printer NAME."};
    }
    const int tasks =
        (options.profile ? 1 : 0) + (options.show ? 1 : 0) + (options.pdfPath.isEmpty() ? 0 : 1);
    if (tasks > 1) {
        throw UsageError{"--set, --show and --pdf exclude each other."};
    }
}

// A profile kept under a mistyped name would never be used: only installed printers get one.
void requireInstalled(const QString& printer) {
    for (const PrinterDescription& installed : listPrinters()) {
        if (installed.name == printer && !installed.builtIn) {
            return;
        }
    }
    throw UserError(
        QStringLiteral("The printer \"%1\" is not installed on this computer.").arg(printer));
}

void showProfile(const QString& printer, std::ostream& out) {
    const std::optional<CalibrationProfile> profile = loadCalibration(printer);
    const QString line =
        profile ? QStringLiteral("%1: %2 (offsets in mm to the right and down, scales in %)")
                      .arg(printer, formatCalibrationProfile(*profile))
                : QStringLiteral("%1: no calibration").arg(printer);
    out << line.toStdString() << "\n";
}

} // namespace

int runCalibrateCommand(const CommandOptions& options, std::ostream& out, std::ostream&) {
    checkCalibrateOptions(options);
    const QString& printer = *options.printer;
    if (options.show) {
        showProfile(printer, out);
        return kExitOk;
    }
    if (options.profile) {
        const CalibrationProfile profile = parseCalibrationProfile(*options.profile);
        requireInstalled(printer);
        saveCalibration(printer, profile);
        showProfile(printer, out);
        return kExitOk;
    }
    const PrintResult printed = PrintCalibrationSheet(printer, options.pdfPath);
    if (printed.jobNumber > 0) {
        out << "Sent the calibration sheet to \"" << printed.printerName.toStdString()
            << "\" as job " << printed.jobNumber << pausedPrinterNote(printed).toStdString()
            << ".\n";
    } else {
        out << "Wrote " << QDir::toNativeSeparators(options.pdfPath).toStdString() << ".\n";
    }
    return kExitOk;
}

} // namespace veltmoor
