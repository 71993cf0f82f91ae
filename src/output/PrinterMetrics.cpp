#include "output/PrinterMetrics.h"

#include "platform/DotArithmetic.h"
#include "platform/Units.h"

#include <cstdint>

namespace veltmoor {

namespace {

int difference(int a, int b) {
    return saturateToInt(static_cast<std::int64_t>(a) - b);
}

int halfOfSum(int a, int b) {
    return saturateToInt((static_cast<std::int64_t>(a) + b) / 2);
}

} // namespace

void PrinterMetrics::computeDerivedValues() {
    RightMargin = difference(difference(PhysicalWidth, PageWidth), PhysicalOffsetX);
    BottomMargin = difference(difference(PhysicalHeight, PageHeight), PhysicalOffsetY);
    MarginDifferenceX = difference(RightMargin, PhysicalOffsetX);
    MarginDifferenceY = difference(BottomMargin, PhysicalOffsetY);
    PaperCenterX = halfOfSum(PageWidth, MarginDifferenceX);
    PaperCenterY = halfOfSum(PageHeight, MarginDifferenceY);
    LeftMarginMils = mulDiv(PhysicalOffsetX, 1000, PixelsPerInchX);
    RightMarginMils = mulDiv(RightMargin, 1000, PixelsPerInchX);
    TopMarginMils = mulDiv(PhysicalOffsetY, 1000, PixelsPerInchY);
    BottomMarginMils = mulDiv(BottomMargin, 1000, PixelsPerInchY);
}

PageMetrics PrinterMetrics::pageMetrics() const {
    return PageMetrics{PageWidth,     PageHeight,     PixelsPerInchX,  PixelsPerInchY,
                       PhysicalWidth, PhysicalHeight, PhysicalOffsetX, PhysicalOffsetY};
}

QString builtInPdfPrinterName() {
    return QStringLiteral("PDF file");
}

PrinterMetrics builtInPdfPrinterMetrics(PaperChoice paper) {
    constexpr int dpi = kBuiltInPdfResolution;
    constexpr int margin = dpi / 4;

    PrinterMetrics metrics;
    metrics.PrinterName = builtInPdfPrinterName();
    metrics.PixelsPerInchX = dpi;
    metrics.PixelsPerInchY = dpi;
    if (paper == PaperChoice::Letter) {
        // 8.5 x 11 inches
        metrics.PhysicalWidth = 85 * dpi / 10;
        metrics.PhysicalHeight = 11 * dpi;
    } else {
        // 210 x 297 mm
        metrics.PhysicalWidth = units::printerDotsFromWholeMm(210, dpi);
        metrics.PhysicalHeight = units::printerDotsFromWholeMm(297, dpi);
    }
    metrics.PhysicalOffsetX = margin;
    metrics.PhysicalOffsetY = margin;
    metrics.PageWidth = metrics.PhysicalWidth - 2 * margin;
    metrics.PageHeight = metrics.PhysicalHeight - 2 * margin;
    // What drivers report for a device with more than 256 colours.
    metrics.NumColors = -1;
    metrics.computeDerivedValues();
    return metrics;
}

PaperChoice paperForLocale(const QLocale& locale) {
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Belize:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::ElSalvador:
    case QLocale::Guatemala:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::PuertoRico:
    case QLocale::Venezuela:
    case QLocale::Philippines:
        return PaperChoice::Letter;
    default:
        break;
    }
    // A locale without a country (such as "C") says only how it measures.
    if (locale.territory() == QLocale::AnyTerritory &&
        locale.measurementSystem() == QLocale::ImperialUSSystem) {
        return PaperChoice::Letter;
    }
    return PaperChoice::A4;
}

PrinterMetrics builtInPdfPrinterMetricsForSystemLocale() {
    return builtInPdfPrinterMetrics(paperForLocale(QLocale::system()));
}

} // namespace veltmoor
