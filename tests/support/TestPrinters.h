#pragma once

#include "output/PrinterMetrics.h"

#include <gtest/gtest.h>

namespace veltmoor::test {

// A printer named "Office" printing Letter at 600 dpi with hardware margins of 0.25 in left
// (6.35 mm) and 0.375 in top (9.525 mm).
inline PrinterMetrics letterWithMargins() {
    PrinterMetrics metrics;
    metrics.PrinterName = QStringLiteral("Office");
    metrics.PixelsPerInchX = 600;
    metrics.PixelsPerInchY = 600;
    metrics.PhysicalOffsetX = 150;
    metrics.PhysicalOffsetY = 225;
    metrics.PageWidth = 4800;
    metrics.PageHeight = 6075;
    return metrics;
}

// The page a printer's metrics should describe, in device dots.
struct ExpectedPage {
    int dpi, physicalWidth, physicalHeight, offsetX, offsetY, pageWidth, pageHeight;
};

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
