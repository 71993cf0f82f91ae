#include "output/BandedPrinting.h"

#include "output/PrinterPage.h"
#include "platform/DotArithmetic.h"
#include "platform/Errors.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdint>

namespace veltmoor {

namespace {

int shifted(int position, int distance) {
    return saturateToInt(static_cast<std::int64_t>(position) + distance);
}

} // namespace

Rect placeOnPaper(const Rect& printableAreaRect, const PrinterMetrics& metrics) {
    return Rect{shifted(printableAreaRect.left, metrics.PhysicalOffsetX),
                shifted(printableAreaRect.top, metrics.PhysicalOffsetY),
                shifted(printableAreaRect.right, metrics.PhysicalOffsetX),
                shifted(printableAreaRect.bottom, metrics.PhysicalOffsetY)};
}

std::vector<Rect> stripDestinationsOnPaper(const StripPlan& plan, const PrinterMetrics& metrics) {
    std::vector<Rect> destinations;
    destinations.reserve(plan.strips.size());
    for (const PrintStrip& strip : plan.strips) {
        destinations.push_back(placeOnPaper(strip.destination, metrics));
    }
    return destinations;
}

void PrintBitmapRect(QPainter& painter, const Rect& rect, const Bitmap& bitmap) {
    if (rect.isEmpty()) {
        return;
    }
    PrintBitmapRect(painter, QRectF(rect.left, rect.top, rect.width(), rect.height()), bitmap);
}

void PrintBitmapRect(QPainter& painter, const QRectF& rect, const Bitmap& bitmap) {
    if (rect.isEmpty() || bitmap.isEmpty()) {
        return;
    }
    painter.drawImage(rect, bitmap.toQImage());
}

void PrintBitmapBanded(QPainter& painter, const Bitmap& bitmap, const PrinterMetrics& metrics,
                       const PageCalibration& calibration) {
    const StripPlan plan = planPrintStrips(bitmap.width(), bitmap.height(), metrics.pageMetrics());
    const std::vector<Rect> destinations = stripDestinationsOnPaper(plan, metrics);
    Bitmap strip;
    for (std::size_t index = 0; index < plan.strips.size(); ++index) {
        copyStripRows(bitmap, plan.strips[index], strip);
        // Without a profile every edge stays on its whole dot, exactly as computed.
        PrintBitmapRect(painter, calibratedOnPaper(destinations[index], metrics, calibration),
                        strip);
    }
}

void writeBuiltInPdf(const QString& path, const Bitmap& sheet, const PrinterMetrics& metrics,
                     PaperChoice paper, bool landscape, int copies, const QString& title) {
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw UserError(QStringLiteral("The PDF file %1 cannot be written: %2.")
                            .arg(shown, file.errorString()));
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(metrics.PixelsPerInchX);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Veltmoor Tags Print"));
        writer.setPageLayout(QPageLayout(builtInPdfPageSize(paper),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Point, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            throw UserError(QStringLiteral("The PDF file %1 cannot be written.").arg(shown));
        }
        // Without this the tags would reach the file JPEG-compressed.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        for (int copy = 0; copy < copies; ++copy) {
            if (copy > 0) {
                writer.newPage();
            }
            PrintBitmapBanded(painter, sheet, metrics);
        }
        painter.end();
    }
    if (!file.commit()) {
        throw UserError(QStringLiteral("The PDF file %1 cannot be written: %2.")
                            .arg(shown, file.errorString()));
    }
}

} // namespace veltmoor
