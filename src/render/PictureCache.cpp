#include "render/PictureCache.h"

#include "platform/Errors.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>

namespace veltmoor {

namespace {

std::int64_t pixelsOf(const DecodedPicture& picture) {
    return static_cast<std::int64_t>(picture.bitmap.width()) * picture.bitmap.height();
}

} // namespace

QSize PictureCache::pictureSize(const QString& path) {
    const QFileInfo info(path);
    for (const Entry& entry : entries_) {
        if (entry.path == path && entry.fileSize == info.size() &&
            entry.modified == info.lastModified()) {
            return {entry.picture->width, entry.picture->height};
        }
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.size();
    if (size.isValid() && (reader.transformation() & QImageIOHandler::TransformationRotate90)) {
        size.transpose();
    }
    return size.isValid() ? size : QSize();
}

bool PictureCache::coversNeed(const Entry& entry, int neededWidth, int neededHeight) {
    if (entry.fullSize) {
        return true;
    }
    if (neededWidth <= 0 && neededHeight <= 0) {
        return false;
    }
    const Bitmap& bitmap = entry.picture->bitmap;
    return bitmap.width() >= neededWidth && bitmap.height() >= neededHeight;
}

std::shared_ptr<const DecodedPicture> PictureCache::picture(const QString& path, int neededWidth,
                                                            int neededHeight) {
    const QFileInfo info(path);
    const qint64 fileSize = info.size();
    const QDateTime modified = info.lastModified();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != path) {
            continue;
        }
        if (it->fileSize == fileSize && it->modified == modified &&
            coversNeed(*it, neededWidth, neededHeight)) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().picture;
        }
        entries_.erase(it);
        break;
    }

    PictureReadOptions options;
    options.neededWidth = std::max(0, neededWidth);
    options.neededHeight = std::max(0, neededHeight);
    auto decoded = std::make_shared<DecodedPicture>(readPicture(path, options));
    ++decodeCount_;
    Entry entry;
    entry.path = path;
    entry.fileSize = fileSize;
    entry.modified = modified;
    entry.fullSize =
        decoded->bitmap.width() >= decoded->width && decoded->bitmap.height() >= decoded->height;
    entry.picture = std::move(decoded);
    entries_.push_front(std::move(entry));
    trimToBudget();
    return entries_.front().picture;
}

void PictureCache::trimToBudget() {
    std::int64_t total = 0;
    for (auto it = entries_.begin(); it != entries_.end();) {
        total += pixelsOf(*it->picture);
        // The picture just asked for always stays, however large it is.
        if (total > pixelBudget_ && it != entries_.begin()) {
            total -= pixelsOf(*it->picture);
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace veltmoor
