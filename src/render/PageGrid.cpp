#include "render/PageGrid.h"

#include "platform/DotArithmetic.h"

namespace veltmoor {

int sheetWidthDots(const PageMetrics& page) {
    return mulDiv(page.PageWidth, 200, page.PixelsPerInchX);
}

int sheetHeightDots(const PageMetrics& page) {
    return mulDiv(page.PageHeight, 200, page.PixelsPerInchY);
}

PageGrid computePageGrid(const PageMetrics& page, int tagWidthDots, int tagHeightDots) {
    PageGrid grid;
    grid.SheetWidth = sheetWidthDots(page);
    grid.SheetHeight = sheetHeightDots(page);
    if (tagWidthDots > 0 && tagHeightDots > 0) {
        grid.TagsDown = grid.SheetHeight / tagHeightDots;
        grid.SheetMarginY = (grid.SheetHeight - grid.TagsDown * tagHeightDots) / 2;
        grid.TagsAcross = grid.SheetWidth / tagWidthDots;
        grid.SheetMarginX = (grid.SheetWidth - grid.TagsAcross * tagWidthDots) / 2;
    }
    return grid;
}

QString inchText(int hundredths) {
    QString digits = QString::number(hundredths);
    while (digits.size() < 3) {
        digits.prepend(QLatin1Char('0'));
    }
    digits.insert(digits.size() - 2, QLatin1Char('.'));
    return digits;
}

QString sizeLabelText(int tagWidthDots, int tagHeightDots, const PageGrid& grid) {
    QString label = QStringLiteral("Tag Width = %1 Height = %2 Tags Down = %3 Across = %4")
                        .arg(inchText(tagWidthDots / 2), inchText(tagHeightDots / 2))
                        .arg(grid.TagsDown)
                        .arg(grid.TagsAcross);
    if (!grid.tagFits()) {
        label += QStringLiteral(" (the tag does not fit the printable page)");
    }
    return label;
}

} // namespace veltmoor
