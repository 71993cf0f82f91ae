#include "platform/WholeFile.h"

#include "platform/Errors.h"

#include <QDir>
#include <QSaveFile>

namespace veltmoor {

void cannotWriteFile(const QString& path, const QString& reason) {
    throw UserError(
        QStringLiteral("%1 could not be written: %2.").arg(QDir::toNativeSeparators(path), reason));
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        cannotWriteFile(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        cannotWriteFile(path, reason);
    }
    if (!file.commit()) {
        cannotWriteFile(path, file.errorString());
    }
}

} // namespace veltmoor
