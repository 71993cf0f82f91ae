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

struct CalibrateOptions {
    QString printer;
    QString pdfPath;
    std::optional<QString> profile;
    bool show = false;
};

CalibrateOptions parseCalibrateOptions(const QStringList& arguments) {
    CalibrateOptions options;
    for (int index = 2; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument == QLatin1String("--printer")) {
            options.printer = optionValue(arguments, index);
        } else if (argument == QLatin1String("--pdf")) {
            options.pdfPath = optionValue(arguments, index);
        } else if (argument == QLatin1String("--set")) {
            options.profile = optionValue(arguments, index);
        } else if (argument == QLatin1String("--show")) {
            options.show = true;
        } else {
            throw UsageError{"unexpected argument \"" + argument.toStdString() + "\"."};
        }
    }
    if (options.printer.isEmpty()) {
        throw UsageError{"calibrate needs --printer NAME."};
    }
    const int tasks =
        (options.profile ? 1 : 0) + (options.show ? 1 : 0) + (options.pdfPath.isEmpty() ? 0 : 1);
    if (tasks > 1) {
        throw UsageError{"--set, --show and --pdf exclude each other."};
    }
    return options;
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

int runCalibrateCommand(const QStringList& arguments, std::ostream& out) {
    const CalibrateOptions options = parseCalibrateOptions(arguments);
    if (options.show) {
        showProfile(options.printer, out);
        return kExitOk;
    }
    if (options.profile) {
        const CalibrationProfile profile = parseCalibrationProfile(*options.profile);
        requireInstalled(options.printer);
        saveCalibration(options.printer, profile);
        showProfile(options.printer, out);
        return kExitOk;
    }
    const PrintResult printed = PrintCalibrationSheet(options.printer, options.pdfPath);
    if (printed.jobNumber > 0) {
        out << "Sent the calibration sheet to \"" << printed.printerName.toStdString()
            << "\" as job " << printed.jobNumber << ".\n";
    } else {
        out << "Wrote " << QDir::toNativeSeparators(options.pdfPath).toStdString() << ".\n";
    }
    return kExitOk;
}

} // namespace veltmoor
