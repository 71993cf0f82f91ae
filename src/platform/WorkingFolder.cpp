#include "platform/WorkingFolder.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    const bool created = !QFileInfo::exists(path);
    if (!QDir().mkpath(path)) {
        throw UserError(QStringLiteral("The working folder %1 could not be created.").arg(path));
    }
    // The last sheet printed and the tinted pictures are the user's own business.
    if (created) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return path;
}

QString workingFilePath(const QString& name) {
    const QString path = QDir(ensureWorkingFolder()).filePath(name);
    if (QFileInfo(path).isSymLink()) {
        throw UserError(QStringLiteral("The working file %1 is a symbolic link, which the program "
                                       "does not write through: remove it and try again.")
                            .arg(QDir::toNativeSeparators(path)));
    }
    return path;
}

} // namespace veltmoor
