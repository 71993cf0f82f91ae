#include "output/PrinterPage.h"

#include <QRect>

namespace veltmoor {

namespace {

// What drivers report for a colour device (more than 256 colours) and for a black-only one.
constexpr int kManyColors = -1;
constexpr int kBlackAndWhite = 2;

} // namespace

QMarginsF landscapeMargins(const QMarginsF& portraitMargins) {
    return QMarginsF(portraitMargins.bottom(), portraitMargins.left(), portraitMargins.top(),
                     portraitMargins.right());
}

QPageLayout printablePageLayout(const DriverPage& page) {
    const QMarginsF margins = page.landscape ? landscapeMargins(page.portraitMinimumMargins)
                                             : page.portraitMinimumMargins;
    // No minimum of the layout's own: the driver's margins are the minimum already.
    return QPageLayout(page.pageSize,
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                       QPageLayout::Point, QMarginsF());
}

PrinterMetrics printerMetricsFor(const DriverPage& page) {
    const int dpi = page.resolution > 0 ? page.resolution : kFallbackPrinterResolution;
    const QPageLayout layout = printablePageLayout(page);
    const QRect paper = layout.fullRectPixels(dpi);
    // The margins in dots are the points times dpi / 72, rounded; the paint rectangle
    // starts there.
    const QRect printable = layout.paintRectPixels(dpi);

    PrinterMetrics metrics;
    metrics.PrinterName = page.printerName;
    metrics.PageWidth = printable.width();
    metrics.PageHeight = printable.height();
    metrics.PixelsPerInchX = dpi;
    metrics.PixelsPerInchY = dpi;
    metrics.PhysicalWidth = paper.width();
    metrics.PhysicalHeight = paper.height();
    metrics.PhysicalOffsetX = printable.left();
    metrics.PhysicalOffsetY = printable.top();
    metrics.NumColors = page.color ? kManyColors : kBlackAndWhite;
    metrics.computeDerivedValues();
    return metrics;
}

PrinterMetrics turnedToLandscape(const PrinterMetrics& portrait) {
    PrinterMetrics turned = portrait;
    turned.PageWidth = portrait.PageHeight;
    turned.PageHeight = portrait.PageWidth;
    turned.PixelsPerInchX = portrait.PixelsPerInchY;
    turned.PixelsPerInchY = portrait.PixelsPerInchX;
    turned.PhysicalWidth = portrait.PhysicalHeight;
    turned.PhysicalHeight = portrait.PhysicalWidth;
    turned.PhysicalOffsetX = portrait.BottomMargin;
    turned.PhysicalOffsetY = portrait.PhysicalOffsetX;
    turned.computeDerivedValues();
    return turned;
}

QPageSize builtInPdfPageSize(PaperChoice paper) {
    return QPageSize(paper == PaperChoice::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace veltmoor
