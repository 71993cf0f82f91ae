#include "design/SlotPicture.h"

#include "platform/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>

namespace veltmoor {

QString resolvePicturePath(const QString& storedPath, const QString& designFolder) {
    if (storedPath.isEmpty() || designFolder.isEmpty() || QFileInfo(storedPath).isAbsolute()) {
        return storedPath;
    }
    return QDir::cleanPath(QDir(designFolder).absoluteFilePath(storedPath));
}

DecodedPicture LoadSlotPicture(TagDesign& design, int slot, PictureReadOptions options,
                               PictureCache* pictures) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return {};
    }
    const QString& path = design.Slots[static_cast<std::size_t>(slot)].FileName;
    DecodedPicture picture =
        pictures ? *pictures->picture(path, options.neededWidth, options.neededHeight)
                 : readPicture(path, options);
    design.recordSlotPicture(slot, picture.width, picture.height);
    return picture;
}

DecodedPicture chooseSlotPicture(TagDesign& design, int slot, const QString& path,
                                 PictureReadOptions options) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return {};
    }
    DecodedPicture picture = readPicture(path, options);
    img& record = design.Slots[static_cast<std::size_t>(slot)];
    record.FileName = path;
    record.SourceFileName = path;
    design.recordSlotPicture(slot, picture.width, picture.height);
    return picture;
}

QString writeBlankFirstPicture() {
    const QString blank = QDir(ensureWorkingFolder()).filePath(QStringLiteral("~temptag.bmp"));
    writeBmp24(blank, Bitmap(200, 200, clWhite));
    return blank;
}

} // namespace veltmoor
