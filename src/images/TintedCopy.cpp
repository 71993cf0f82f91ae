#include "images/TintedCopy.h"

#include "images/ColorizeBitmap.h"
#include "platform/Canvas.h"
#include "platform/RasterStretch.h"
#include "platform/WorkingFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

namespace veltmoor {

namespace {

// Samples per preview pixel, each way, that a large picture keeps before it is tinted.
constexpr int kPreviewSamples = 4;

// The names tintedCopyPath gives, and no others (not "~~page.bmp", not a user's file).
bool hasTintedCopyName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^~~[0-9]+-[0-9a-f]{10}\\.bmp$"));
    return pattern.match(fileName).hasMatch();
}

// The same file whichever way a design spells its path.
QString samePlace(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

Rect FitPictureRect(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight) {
    // 64-bit products: a picture may be wider than 2^31 / 1000 pixels. A picture a
    // thousand times smaller than the box would give a zero scale, so the scale is at
    // least 1.
    const long long w = std::max(pictureWidth, 1);
    const long long h = std::max(pictureHeight, 1);
    const long long widthScale = std::max(w * 1000 / std::max(boxWidth, 1), 1LL);
    const long long heightScale = std::max(h * 1000 / std::max(boxHeight, 1), 1LL);
    // For pictures only a few pixels across, the scale's rounding would let the other side
    // run past the box; it is held at the box's edge.
    if (heightScale > widthScale) {
        return {0, 0, static_cast<int>(std::min<long long>(w * 1000 / heightScale, boxWidth)),
                boxHeight};
    }
    return {0, 0, boxWidth,
            static_cast<int>(std::min<long long>(h * 1000 / widthScale, boxHeight))};
}

Bitmap tintPreview(const DecodedPicture& source, int type) {
    const Rect fit =
        FitPictureRect(source.width, source.height, kTintPreviewSize, kTintPreviewSize);
    const Bitmap& picture = source.bitmap;
    const int sampledWidth = std::min(picture.width(), fit.width() * kPreviewSamples);
    const int sampledHeight = std::min(picture.height(), fit.height() * kPreviewSamples);
    Bitmap sampled;
    const Bitmap* toTint = &picture;
    if (sampledWidth < picture.width() || sampledHeight < picture.height()) {
        sampled.resize(sampledWidth, sampledHeight);
        raster::stretchNearest(sampled, {0, 0, sampledWidth, sampledHeight}, picture, false, 0);
        toTint = &sampled;
    }
    Bitmap preview(kTintPreviewSize, kTintPreviewSize, clWhite);
    if (!toTint->isEmpty()) {
        Canvas(preview).stretchDraw(fit, ColorizeBitmap(*toTint, type).toBitmap());
    }
    return preview;
}

QString tintedCopyPath(int slot, const QString& sourcePath, int type) {
    const QFileInfo source(sourcePath);
    const QString identity = QStringLiteral("%1\n%2\n%3\n%4")
                                 .arg(source.absoluteFilePath())
                                 .arg(source.size())
                                 .arg(source.lastModified().toMSecsSinceEpoch())
                                 .arg(type);
    const QByteArray hash =
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return workingFolderPath() +
           QStringLiteral("/~~%1-%2.bmp").arg(slot).arg(QString::fromLatin1(hash));
}

IndexedBitmap writeTintedCopy(const QString& sourcePath, int type, const QString& copyPath,
                              PictureCache* pictures) {
    std::shared_ptr<const DecodedPicture> source =
        pictures ? pictures->picture(sourcePath, 0, 0)
                 : std::make_shared<const DecodedPicture>(readPicture(sourcePath));
    IndexedBitmap tinted = ColorizeBitmap(source->bitmap, type);
    writeBmp8(copyPath, tinted);
    return tinted;
}

QStringList pictureFilesOf(std::span<const img> records) {
    QStringList files;
    for (const img& slot : records) {
        if (!slot.FileName.isEmpty()) {
            files << slot.FileName;
        }
    }
    return files;
}

bool isTintedCopy(const QString& path) {
    const QFileInfo info(path);
    return hasTintedCopyName(info.fileName()) &&
           samePlace(info.absolutePath()) == samePlace(workingFolderPath());
}

int removeReleasedTintedCopies(const QStringList& released, const QStringList& stillUsed) {
    QStringList inUse;
    for (const QString& path : stillUsed) {
        inUse << samePlace(path);
    }
    int removed = 0;
    for (const QString& path : released) {
        if (isTintedCopy(path) && !inUse.contains(samePlace(path)) && QFile::remove(path)) {
            ++removed;
        }
    }
    return removed;
}

int removeStaleTintedCopies(std::chrono::days unusedFor, const QDateTime& now) {
    const QDateTime cutoff = now.addDays(-unusedFor.count());
    const QDir folder(workingFolderPath());
    int removed = 0;
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("~~*.bmp")}, QDir::Files)) {
        const QDateTime lastUse = std::max(file.lastModified(), file.lastRead());
        if (hasTintedCopyName(file.fileName()) && lastUse < cutoff &&
            QFile::remove(file.filePath())) {
            ++removed;
        }
    }
    return removed;
}

void noteTintedCopyUsed(const QString& path) {
    if (!isTintedCopy(path)) {
        return;
    }
    const timespec times[2] = {{0, UTIME_NOW}, {0, UTIME_OMIT}};
    // A copy that cannot be marked is only removed sooner, and then made again.
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

} // namespace veltmoor
