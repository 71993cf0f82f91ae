#include "platform/UserSettings.h"

#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QDir>
#include <QSettings>

namespace veltmoor::user_settings {

namespace {

const QString kRecentDesignsKey = QStringLiteral("recentDesigns");
const QString kCalibrationGroup = QStringLiteral("Calibration");

QString calibrationKey(const QString& printerName) {
    return kCalibrationGroup + QLatin1Char('/') + printerName;
}

QSettings openSettings() {
    return QSettings(userSettingsPath(), QSettings::IniFormat);
}

void requireWritten(QSettings& settings, const QString& what) {
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw UserError(QStringLiteral("%1 cannot be kept: %2 cannot be written.")
                            .arg(what, QDir::toNativeSeparators(userSettingsPath())));
    }
}

// QSettings takes a key's slashes as groups and removes a key with everything below it; the
// keys below are put back.
void removeOnly(QSettings& settings, const QString& key) {
    settings.beginGroup(key);
    QList<std::pair<QString, QVariant>> below;
    for (const QString& child : settings.allKeys()) {
        below.append({child, settings.value(child)});
    }
    settings.endGroup();
    settings.remove(key);
    for (const auto& [child, value] : below) {
        settings.setValue(key + QLatin1Char('/') + child, value);
    }
}

} // namespace

QStringList recentDesigns() {
    return openSettings().value(kRecentDesignsKey).toStringList();
}

void setRecentDesigns(const QStringList& paths) {
    QSettings settings = openSettings();
    settings.setValue(kRecentDesignsKey, paths);
    requireWritten(settings, QStringLiteral("The list of recent designs"));
}

QString calibration(const QString& printerName) {
    return openSettings().value(calibrationKey(printerName)).toString();
}

void setCalibration(const QString& printerName, const QString& profile) {
    QSettings settings = openSettings();
    if (profile.isEmpty()) {
        removeOnly(settings, calibrationKey(printerName));
    } else {
        settings.setValue(calibrationKey(printerName), profile);
    }
    requireWritten(settings,
                   QStringLiteral("The calibration of the printer \"%1\"").arg(printerName));
}

} // namespace veltmoor::user_settings
