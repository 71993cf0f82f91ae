#include "printing/Calibration.h"

#include "output/PrinterMetrics.h"
#include "platform/Errors.h"
#include "platform/UserSettings.h"
#include "platform/WorkingFolder.h"

#include <QDir>

namespace veltmoor {

std::optional<CalibrationProfile> loadCalibration(const QString& printerName) {
    if (printerName == builtInPdfPrinterName()) {
        return std::nullopt;
    }
    const QString stored = user_settings::calibration(printerName);
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    try {
        const CalibrationProfile profile = parseCalibrationProfile(stored);
        return profile.isIdentity() ? std::nullopt : std::optional(profile);
    } catch (const UserError& error) {
        throw UnreadableCalibration(
            QStringLiteral("The calibration of the printer \"%1\" kept in %2 cannot "
                           "be used: %3. Calibrate the printer again.")
                .arg(printerName, QDir::toNativeSeparators(userSettingsPath()), error.message()));
    }
}

void saveCalibration(const QString& printerName, const CalibrationProfile& profile) {
    checkedProfile(profile);
    if (printerName == builtInPdfPrinterName()) {
        throw UserError(QStringLiteral("The built-in PDF printer writes the sheet at its true size "
                                       "and takes no calibration."));
    }
    user_settings::setCalibration(
        printerName, profile.isIdentity() ? QString() : formatCalibrationProfile(profile));
}

} // namespace veltmoor
