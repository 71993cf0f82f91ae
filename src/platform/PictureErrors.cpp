#include "platform/PictureErrors.h"

#include "platform/Errors.h"
#include "platform/WholeFile.h"

namespace veltmoor::picture_errors {

void notReadable(const QString& name) {
    throw UserError(QStringLiteral("%1 is not a picture this program can read.").arg(name));
}

void damaged(const QString& name, const QString& what) {
    throw UserError(QStringLiteral("%1 is damaged: %2.").arg(name, what));
}

void unsupported(const QString& name, const QString& what) {
    throw UserError(
        QStringLiteral("%1 is not a picture this program can read: %2.").arg(name, what));
}

void tooLarge(const QString& name, std::int64_t width, std::int64_t height) {
    throw UserError(QStringLiteral("%1 is too large (%2 x %3 pixels).")
                        .arg(name)
                        .arg(static_cast<qlonglong>(width))
                        .arg(static_cast<qlonglong>(height)));
}

void notAPictureFile(const QString& name, const QString& kind) {
    throw UserError(QStringLiteral("%1 is %2, not a picture file.").arg(name, kind));
}

void fileTooLarge(const QString& name, std::int64_t bytes) {
    throw UserError(QStringLiteral("%1 is too large to be a picture (%2 MB).")
                        .arg(name)
                        .arg(static_cast<qlonglong>(bytes >> 20)));
}

void cannotOpen(const QString& name, const QString& reason) {
    throw UserError(QStringLiteral("%1 could not be opened: %2.").arg(name, reason));
}

void cannotWrite(const QString& name, const QString& reason) {
    cannotWriteFile(name, reason);
}

void checkPictureSize(const QString& name, std::int64_t width, std::int64_t height,
                      std::int64_t maxPixels) {
    if (width <= 0 || height <= 0) {
        damaged(name, QStringLiteral("it claims a size of %1 x %2 pixels")
                          .arg(static_cast<qlonglong>(width))
                          .arg(static_cast<qlonglong>(height)));
    }
    // Each factor is at most maxPixels once the first two tests pass, so the product fits.
    if (width > maxPixels || height > maxPixels || width * height > maxPixels) {
        tooLarge(name, width, height);
    }
}

} // namespace veltmoor::picture_errors
