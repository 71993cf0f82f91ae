#include "output/SaveWhole.h"

#include "platform/Errors.h"

#include <QSaveFile>

namespace veltmoor {

void saveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        throw UserError(QStringLiteral("Cannot save \"%1\": %2.").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly)) {
        fail(file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit()) {
        fail(file.errorString());
    }
}

} // namespace veltmoor
