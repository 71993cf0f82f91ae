#pragma once

#include "output/PrintCalibration.h"
#include "output/PrinterMetrics.h"
#include "output/SheetPdf.h"
#include "output/StripPlan.h"
#include "platform/Bitmap.h"

#include <QString>

namespace veltmoor {

// Where a rectangle of the printable area lands on the paper. A printed page is drawn on the
// whole paper (its origin at the paper's corner), so the printable area starts at the
// unprintable margins.
Rect placeOnPaper(const Rect& printableAreaRect, const PrinterMetrics& metrics);

// Where each strip of the plan lands on the paper, in device dots, in the plan's order.
std::vector<Rect> stripDestinationsOnPaper(const StripPlan& plan, const PrinterMetrics& metrics);

// Where each 50-row strip of a sheet bitmap of 200 pixels per inch lands on the paper, in
// device dots, once the printer's calibration profile has corrected it.
std::vector<StripOnPaper> stripsOnPaper(int bitmapWidth, int bitmapHeight,
                                        const PrinterMetrics& metrics,
                                        const PageCalibration& calibration = {});

// The paper a sheet PDF is written for.
struct PaperOnPdf {
    QSizeF points; // the page as the printer is told it, already turned for landscape
    int copies = 1;
    QString title;
};

// Prints a bitmap of 200 pixels per inch at its true size: left-aligned on the printable
// area and centred from top to bottom, in strips of 50 rows that abut on whole device dots
// of the metrics' resolution. What the printer is handed is the finished PDF this returns,
// its page the whole paper. A printer's calibration profile corrects where the strips
// land, and nothing else.
QByteArray PrintBitmapBanded(const Bitmap& bitmap, const PrinterMetrics& metrics,
                             const PaperOnPdf& paper, const PageCalibration& calibration = {});

// The PDF the built-in PDF printer writes: one page of the paper per copy, the sheet on each
// as a printer would print it.
QByteArray builtInPdf(const Bitmap& sheet, const PrinterMetrics& metrics, PaperChoice paper,
                      bool landscape, int copies, const QString& title);

} // namespace veltmoor
