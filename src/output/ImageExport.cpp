#include "output/ImageExport.h"

#include "platform/Canvas.h"
#include "platform/DotArithmetic.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QFileInfo>

namespace veltmoor {

namespace {

enum class ExportFormat { Unknown, Bmp, Jpeg, Png };

ExportFormat formatForFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) {
        return ExportFormat::Bmp;
    }
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return ExportFormat::Jpeg;
    }
    if (suffix == QLatin1String("png")) {
        return ExportFormat::Png;
    }
    return ExportFormat::Unknown;
}

constexpr int kExportJpegQuality = 100;

} // namespace

PictureSize emailSheetSize(int width, int height) {
    return PictureSize{mulDiv(width, 75, 200), mulDiv(height, 75, 200)};
}

PictureSize emailTagSize(int width, int height) {
    return PictureSize{width / 2, height / 2};
}

PictureSize exportedSize(ExportSize size, int width, int height) {
    switch (size) {
    case ExportSize::SheetForEmail:
        return emailSheetSize(width, height);
    case ExportSize::TagForEmail:
        return emailTagSize(width, height);
    case ExportSize::Full:
        break;
    }
    return PictureSize{width, height};
}

Bitmap reducedForExport(const Bitmap& picture, ExportSize size) {
    if (size == ExportSize::Full) {
        return picture;
    }
    const PictureSize reduced = exportedSize(size, picture.width(), picture.height());
    Bitmap result(reduced.width, reduced.height, clWhite);
    if (!result.isEmpty()) {
        Canvas canvas(result);
        canvas.stretchDraw(Rect{0, 0, reduced.width, reduced.height}, picture);
    }
    return result;
}

void exportPicture(const QString& path, const Bitmap& picture, ExportSize size) {
    const ExportFormat format = formatForFileName(path);
    if (format == ExportFormat::Unknown) {
        throw UserError(QStringLiteral("Cannot save \"%1\": the file name must end in .bmp, "
                                       ".jpg, .jpeg or .png.")
                            .arg(path));
    }
    // Full size needs no copy of a sheet that may be several megabytes.
    Bitmap reduced;
    if (size != ExportSize::Full) {
        reduced = reducedForExport(picture, size);
    }
    const Bitmap& written = size == ExportSize::Full ? picture : reduced;
    if (written.isEmpty()) {
        throw UserError(
            QStringLiteral("There is no picture to save in \"%1\": it has no pixels.").arg(path));
    }
    // The file states the resolution of its pixels, so that another program places the
    // sheet at its size on paper.
    const int dotsPerInch = exportDotsPerInch(size);
    switch (format) {
    case ExportFormat::Bmp:
        writeBmp24(path, written, dotsPerInch);
        break;
    case ExportFormat::Jpeg:
        writeJpeg(path, written, kExportJpegQuality, dotsPerInch);
        break;
    case ExportFormat::Png:
        writePng(path, written, dotsPerInch);
        break;
    case ExportFormat::Unknown:
        break;
    }
}

} // namespace veltmoor
