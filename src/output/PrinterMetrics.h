#pragma once

#include "render/TagSettings.h"

#include <QLocale>
#include <QString>

namespace veltmoor {

// The geometry of the selected printer, in printer dots unless the name says otherwise.
// The first block is what the device reports; the second is worked out from it by
// computeDerivedValues().
struct PrinterMetrics {
    QString PrinterName;
    int PageWidth = 0;  // printable width
    int PageHeight = 0; // printable height
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
    int PhysicalWidth = 0;   // paper width
    int PhysicalHeight = 0;  // paper height
    int PhysicalOffsetX = 0; // unprintable left margin
    int PhysicalOffsetY = 0; // unprintable top margin
    int NumColors = 0;

    int RightMargin = 0;
    int BottomMargin = 0;
    int MarginDifferenceX = 0; // right margin minus left margin
    int MarginDifferenceY = 0; // bottom margin minus top margin
    int PaperCenterX = 0;      // from the left edge of the printable area
    int PaperCenterY = 0;      // from the top edge of the printable area
    int LeftMarginMils = 0;    // thousandths of an inch
    int RightMarginMils = 0;
    int TopMarginMils = 0;
    int BottomMarginMils = 0;

    // Each value is worked out from the ones before it. A resolution of 0 (no printer, or
    // a driver that reports none) gives margins of 0 mils instead of a division by zero.
    void computeDerivedValues();

    // What the layout and the tag renderer read.
    PageMetrics pageMetrics() const;

    friend bool operator==(const PrinterMetrics&, const PrinterMetrics&) = default;
};

enum class PaperChoice { A4, Letter };

constexpr int kBuiltInPdfResolution = 600;

// The page of the built-in PDF printer that stands in when no printer is installed:
// the paper at 600 dots per inch with a quarter-inch unprintable margin on every side.
// Paper sizes in dots are rounded down, so the printable area never claims a dot that
// lies beyond the paper's edge (A4: 4960 x 7015 dots, printable 4660 x 6715).
PrinterMetrics builtInPdfPrinterMetrics(PaperChoice paper);

// Letter where the locale's country uses it (the Americas' Letter countries and the
// Philippines), A4 everywhere else.
PaperChoice paperForLocale(const QLocale& locale);

PrinterMetrics builtInPdfPrinterMetricsForSystemLocale();

// Name under which the built-in PDF printer is listed.
QString builtInPdfPrinterName();

} // namespace veltmoor
