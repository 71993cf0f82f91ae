#pragma once

#include "output/PrintCalibration.h"
#include "output/PrinterMetrics.h"
#include "output/SheetPdf.h"
#include "output/StripPlan.h"
#include "platform/Bitmap.h"

#include <QString>

class QPainter;

namespace veltmoor {

// Where a rectangle of the printable area lands on the paper. The painter of a print job
// draws on the whole paper (its origin at the paper's corner), so the printable area starts
// at the unprintable margins.
Rect placeOnPaper(const Rect& printableAreaRect, const PrinterMetrics& metrics);

// Where each strip of the plan lands on the paper, in device dots, in the plan's order.
std::vector<Rect> stripDestinationsOnPaper(const StripPlan& plan, const PrinterMetrics& metrics);

// Draws the whole bitmap stretched into rect (device dots on the painter). Each call hands
// the painter an image of its own: print engines remember images by their identity, and
// a refilled buffer would print as the first strip again.
void PrintBitmapRect(QPainter& painter, const Rect& rect, const Bitmap& bitmap);
void PrintBitmapRect(QPainter& painter, const QRectF& rect, const Bitmap& bitmap);

// Where each 50-row strip of a sheet bitmap of 200 pixels per inch lands on the paper, in
// device dots, once the printer's calibration profile has corrected it.
std::vector<StripOnPaper> stripsOnPaper(int bitmapWidth, int bitmapHeight,
                                        const PrinterMetrics& metrics,
                                        const PageCalibration& calibration = {});

// Prints a bitmap of 200 pixels per inch at its true size: left-aligned on the printable
// area and centred from top to bottom, in strips of 50 rows that abut on whole device
// dots. The painter draws on the whole paper in device dots of the metrics' resolution.
// A printer's calibration profile corrects where the strips land, and nothing else.
void PrintBitmapBanded(QPainter& painter, const Bitmap& bitmap, const PrinterMetrics& metrics,
                       const PageCalibration& calibration = {});

// The paper a sheet PDF is written for.
struct PaperOnPdf {
    QSizeF points; // the page as the printer is told it, already turned for landscape
    int copies = 1;
    QString title;
};

// The sheet placed on the paper exactly as PrintBitmapBanded places it, as a finished PDF:
// the file a printer is handed.
QByteArray bandedSheetPdf(const Bitmap& sheet, const PrinterMetrics& metrics,
                          const PaperOnPdf& paper, const PageCalibration& calibration = {});

// The PDF the built-in PDF printer writes: one page of the paper per copy, the sheet on each
// as a printer would print it.
QByteArray builtInPdf(const Bitmap& sheet, const PrinterMetrics& metrics, PaperChoice paper,
                      bool landscape, int copies, const QString& title);

// Replaces the file with the PDF whole, or leaves it as it was; throws UserError naming the
// file.
void savePdfFile(const QString& path, const QByteArray& pdf);

} // namespace veltmoor
