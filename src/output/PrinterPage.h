#pragma once

#include "output/PrinterMetrics.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace veltmoor {

// A printer that lists no resolution of its own prints at this one.
constexpr int kFallbackPrinterResolution = 600;

// What a printer's driver says about the page it prints: the paper under the driver's own
// name (its unprintable margins belong to that name), the margins as the driver states them
// for the upright page, and the resolution it prints at.
struct DriverPage {
    QString printerName;
    QPageSize pageSize;
    QMarginsF portraitMinimumMargins; // points
    bool landscape = false;
    int resolution = 0; // dots per inch; 0 when the driver lists none
    bool color = true;
};

// Printing systems turn a landscape page a quarter turn counter-clockwise onto the paper:
// the page's left edge lies on the paper's bottom edge and its top edge on the paper's left
// edge. The unprintable margins turn with it.
QMarginsF landscapeMargins(const QMarginsF& portraitMargins);

// The page as it is drawn on: the paper in the page's orientation, its margins the
// unprintable ones (turned for landscape), so that the paint rectangle is the printable area.
QPageLayout printablePageLayout(const DriverPage& page);

// The printer metrics of the page in device dots at the driver's resolution
// (kFallbackPrinterResolution when it lists none).
PrinterMetrics printerMetricsFor(const DriverPage& page);

// The same page turned a quarter turn for landscape, the margins turning as the printing
// system turns them.
PrinterMetrics turnedToLandscape(const PrinterMetrics& portrait);

// The paper of the built-in PDF printer.
QPageSize builtInPdfPageSize(PaperChoice paper);

} // namespace veltmoor
