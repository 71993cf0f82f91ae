#include "design/SlotPicture.h"

#include "platform/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace veltmoor {

namespace {

// The file name at the end of a stored path, whichever system wrote its separators.
QString storedFileName(const QString& storedPath) {
    const qsizetype separator = std::max(storedPath.lastIndexOf(QLatin1Char('/')),
                                         storedPath.lastIndexOf(QLatin1Char('\\')));
    return storedPath.mid(separator + 1);
}

const QString kBlankFirstPictureName = QStringLiteral("~temptag.bmp");

} // namespace

QString resolvePicturePath(const QString& storedPath, const QString& designFolder) {
    if (storedPath.isEmpty() || designFolder.isEmpty()) {
        return storedPath;
    }
    const QDir folder(designFolder);
    const auto fromFolder = [&folder](const QString& path) {
        return QFileInfo(path).isAbsolute() ? path : QDir::cleanPath(folder.absoluteFilePath(path));
    };
    const QString stored = fromFolder(storedPath);
    if (QFileInfo::exists(stored)) {
        return stored;
    }
    // A design written on Windows separates the folders of a relative path with backslashes.
    const QString slashed =
        fromFolder(QString(storedPath).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (QFileInfo::exists(slashed)) {
        return slashed;
    }
    // A design moved to another folder or computer together with its pictures finds them
    // beside itself.
    const QString beside = folder.absoluteFilePath(storedFileName(storedPath));
    return QFileInfo::exists(beside) ? QDir::cleanPath(beside) : stored;
}

DecodedPicture LoadSlotPicture(TagDesign& design, int slot, PictureReadOptions options,
                               PictureCache* pictures) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return {};
    }
    const QString& path = design.slot(slot).FileName;
    DecodedPicture picture =
        pictures ? *pictures->picture(path, options.neededWidth, options.neededHeight)
                 : readPicture(path, options);
    design.recordSlotPicture(slot, picture.width, picture.height);
    return picture;
}

void recordSlotPictureSize(TagDesign& design, int slot) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return;
    }
    const QString& path = design.slot(slot).FileName;
    const PictureHeader header = readPictureHeader(path);
    if (header.width > 0 && header.height > 0) {
        design.recordSlotPicture(slot, header.width, header.height);
        return;
    }
    const DecodedPicture picture = readPicture(path, {1, 1});
    design.recordSlotPicture(slot, picture.width, picture.height);
}

DecodedPicture chooseSlotPicture(TagDesign& design, int slot, const QString& path,
                                 PictureReadOptions options) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return {};
    }
    DecodedPicture picture = readPicture(path, options);
    design.setSlotPicture(slot, path, path);
    design.recordSlotPicture(slot, picture.width, picture.height);
    return picture;
}

QString writeBlankFirstPicture() {
    const QString blank = QDir(ensureWorkingFolder()).filePath(kBlankFirstPictureName);
    writeBmp24(blank, Bitmap(200, 200, clWhite));
    return blank;
}

bool isBlankFirstPicture(const QString& path) {
    return !path.isEmpty() &&
           QFileInfo(path) == QFileInfo(QDir(workingFolderPath()).filePath(kBlankFirstPictureName));
}

} // namespace veltmoor
