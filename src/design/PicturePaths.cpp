#include "design/PicturePaths.h"

#include "design/SlotPicture.h"

#include <QDir>
#include <QFileInfo>

namespace veltmoor {

QString pathRelativeToDesign(const QString& picture, const QString& designFolder) {
    if (picture.isEmpty() || designFolder.isEmpty()) {
        return picture;
    }
    const QString absolute = QDir::cleanPath(QFileInfo(picture).absoluteFilePath());
    const QString relative = QDir(QDir::cleanPath(designFolder)).relativeFilePath(absolute);
    const bool below = !relative.isEmpty() && !QFileInfo(relative).isAbsolute() &&
                       relative != QLatin1String("..") &&
                       !relative.startsWith(QLatin1String("../"));
    return below ? relative : absolute;
}

QString picturePathToWrite(const QString& current, const WrittenPicturePath& written,
                           const QString& designFolder) {
    if (current.isEmpty() || designFolder.isEmpty()) {
        return current;
    }
    if (!written.written.isEmpty() && current == written.resolved) {
        if (!QFileInfo::exists(current)) {
            return written.written;
        }
        const QString namedFromHere = resolvePicturePath(written.written, designFolder);
        if (QFileInfo(namedFromHere) == QFileInfo(current)) {
            return written.written;
        }
    }
    return pathRelativeToDesign(current, designFolder);
}

} // namespace veltmoor
