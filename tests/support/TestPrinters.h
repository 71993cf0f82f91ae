#pragma once

#include "output/PrinterMetrics.h"

#include <gtest/gtest.h>

namespace veltmoor::test {

// A printer's page, in device dots.
struct ExpectedPage {
    int dpi, physicalWidth, physicalHeight, offsetX, offsetY, pageWidth, pageHeight;
};

// A printer with that page.
inline PrinterMetrics printerWith(const ExpectedPage& page) {
    PrinterMetrics metrics;
    metrics.PixelsPerInchX = page.dpi;
    metrics.PixelsPerInchY = page.dpi;
    metrics.PhysicalWidth = page.physicalWidth;
    metrics.PhysicalHeight = page.physicalHeight;
    metrics.PhysicalOffsetX = page.offsetX;
    metrics.PhysicalOffsetY = page.offsetY;
    metrics.PageWidth = page.pageWidth;
    metrics.PageHeight = page.pageHeight;
    metrics.computeDerivedValues();
    return metrics;
}

// A printer named "Office" printing Letter at 600 dpi with hardware margins of 0.25 in left
// (6.35 mm) and 0.375 in top (9.525 mm).
inline PrinterMetrics letterWithMargins() {
    PrinterMetrics metrics = printerWith({600, 5100, 6600, 150, 225, 4800, 6075});
    metrics.PrinterName = QStringLiteral("Office");
    return metrics;
}

inline void expectPage(const PrinterMetrics& m, const ExpectedPage& page) {
    EXPECT_EQ(m.PixelsPerInchX, page.dpi);
    EXPECT_EQ(m.PixelsPerInchY, page.dpi);
    EXPECT_EQ(m.PhysicalWidth, page.physicalWidth);
    EXPECT_EQ(m.PhysicalHeight, page.physicalHeight);
    EXPECT_EQ(m.PhysicalOffsetX, page.offsetX);
    EXPECT_EQ(m.PhysicalOffsetY, page.offsetY);
    EXPECT_EQ(m.PageWidth, page.pageWidth);
    EXPECT_EQ(m.PageHeight, page.pageHeight);
}

} // namespace veltmoor::test
