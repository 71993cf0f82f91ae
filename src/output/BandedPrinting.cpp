#include "output/BandedPrinting.h"

#include "output/PrinterPage.h"
#include "platform/DotArithmetic.h"
#include "platform/Errors.h"

#include <QPageSize>

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

std::vector<StripOnPaper> stripsOnPaper(int bitmapWidth, int bitmapHeight,
                                        const PrinterMetrics& metrics,
                                        const PageCalibration& calibration) {
    const StripPlan plan = planPrintStrips(bitmapWidth, bitmapHeight, metrics.pageMetrics());
    const std::vector<Rect> destinations = stripDestinationsOnPaper(plan, metrics);
    std::vector<StripOnPaper> strips;
    strips.reserve(plan.strips.size());
    for (std::size_t index = 0; index < plan.strips.size(); ++index) {
        // Without a profile every edge stays on its whole dot, exactly as computed.
        strips.push_back({plan.strips[index].firstRow, plan.strips[index].rowCount,
                          calibratedOnPaper(destinations[index], metrics, calibration)});
    }
    return strips;
}

QByteArray PrintBitmapBanded(const Bitmap& bitmap, const PrinterMetrics& metrics,
                             const PaperOnPdf& paper, const PageCalibration& calibration) {
    const SheetPdfPage page{paper.points, metrics.PixelsPerInchX, metrics.PixelsPerInchY,
                            paper.title, QStringLiteral("Veltmoor Tags Print")};
    return sheetPdf(bitmap, stripsOnPaper(bitmap.width(), bitmap.height(), metrics, calibration),
                    page, paper.copies);
}

QByteArray builtInPdf(const Bitmap& sheet, const PrinterMetrics& metrics, PaperChoice paper,
                      bool landscape, int copies, const QString& title) {
    QSizeF points = builtInPdfPageSize(paper).sizePoints();
    if (landscape) {
        points.transpose();
    }
    return PrintBitmapBanded(sheet, metrics, PaperOnPdf{points, copies, title});
}

} // namespace veltmoor
