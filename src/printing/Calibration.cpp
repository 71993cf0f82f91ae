#include "printing/Calibration.h"

#include "output/PrinterMetrics.h"
#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QDir>
#include <QSettings>

namespace veltmoor {

namespace {

const QString kGroup = QStringLiteral("Calibration");

QString keyFor(const QString& printerName) {
    return kGroup + QLatin1Char('/') + printerName;
}

QSettings userSettings() {
    return QSettings(userSettingsPath(), QSettings::IniFormat);
}

} // namespace

std::optional<CalibrationProfile> loadCalibration(const QString& printerName) {
    if (printerName == builtInPdfPrinterName()) {
        return std::nullopt;
    }
    const QSettings settings = userSettings();
    const QString stored = settings.value(keyFor(printerName)).toString();
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    try {
        const CalibrationProfile profile = parseCalibrationProfile(stored);
        return profile.isIdentity() ? std::nullopt : std::optional(profile);
    } catch (const UserError& error) {
        throw UserError(
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
    QSettings settings = userSettings();
    if (profile.isIdentity()) {
        settings.remove(keyFor(printerName));
    } else {
        settings.setValue(keyFor(printerName), formatCalibrationProfile(profile));
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw UserError(QStringLiteral("The calibration of the printer \"%1\" cannot be kept: %2 "
                                       "cannot be written.")
                            .arg(printerName, QDir::toNativeSeparators(userSettingsPath())));
    }
}

} // namespace veltmoor
