#include "platform/WorkingFolder.h"

#include "platform/Errors.h"

#include <QDir>
#include <QStandardPaths>

namespace veltmoor {

QString workingFolderPath() {
    const QString overridden = qEnvironmentVariable("VELTMOOR_WORKING_FOLDER");
    if (!overridden.isEmpty()) {
        return QDir::cleanPath(overridden);
    }
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(dataHome + QStringLiteral("/Veltmoor Inc"));
}

QString userSettingsPath() {
    const QString overridden = qEnvironmentVariable("VELTMOOR_SETTINGS_FILE");
    if (!overridden.isEmpty()) {
        return QDir::cleanPath(overridden);
    }
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty()) {
        configHome = QDir::homePath() + QStringLiteral("/.config");
    }
    return QDir::cleanPath(configHome + QStringLiteral("/Veltmoor Inc/Veltmoor Tags Print.conf"));
}

QString ensureWorkingFolder() {
    const QString path = workingFolderPath();
    if (!QDir().mkpath(path)) {
        throw UserError(QStringLiteral("The working folder %1 could not be created.").arg(path));
    }
    return path;
}

} // namespace veltmoor
