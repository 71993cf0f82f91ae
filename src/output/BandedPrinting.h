#pragma once

#include "output/PrintCalibration.h"
#include "output/PrinterMetrics.h"
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

// Prints a bitmap of 200 pixels per inch at its true size: left-aligned on the printable
// area and centred from top to bottom, in strips of 50 rows that abut on whole device
// dots. The painter draws on the whole paper in device dots of the metrics' resolution.
// A printer's calibration profile corrects where the strips land, and nothing else.
void PrintBitmapBanded(QPainter& painter, const Bitmap& bitmap, const PrinterMetrics& metrics,
                       const PageCalibration& calibration = {});

// The page of the built-in PDF printer written to path: one page of the paper per copy,
// the sheet on each as a printer would print it. The file is replaced whole or left as it
// was; throws UserError naming the file when it cannot be written.
void writeBuiltInPdf(const QString& path, const Bitmap& sheet, const PrinterMetrics& metrics,
                     PaperChoice paper, bool landscape, int copies, const QString& title);

} // namespace veltmoor
