#pragma once

#include "render/TagSettings.h"

#include <QString>

namespace veltmoor {

// How many tags fit on the printable page, edge to edge, and the space left beside them.
// All values are tag dots (1/200 inch).
struct PageGrid {
    int SheetWidth = 0;
    int SheetHeight = 0;
    int TagsAcross = 0;
    int TagsDown = 0;
    int SheetMarginX = 0;
    int SheetMarginY = 0;

    bool tagFits() const { return TagsAcross > 0 && TagsDown > 0; }
    friend bool operator==(const PageGrid&, const PageGrid&) = default;
};

// The printable page in tag dots; a printer that reports no resolution gives 0.
int sheetWidthDots(const PageMetrics& page);
int sheetHeightDots(const PageMetrics& page);

PageGrid computePageGrid(const PageMetrics& page, int tagWidthDots, int tagHeightDots);

// Hundredths of an inch as "2.00" / "0.50": at least three digits, a point before the
// last two.
QString inchText(int hundredths);

// "Tag Width = 2.00 Height = 4.00 Tags Down = 2 Across = 4", with a note when the tag is
// larger than the printable page.
QString sizeLabelText(int tagWidthDots, int tagHeightDots, const PageGrid& grid);

} // namespace veltmoor
