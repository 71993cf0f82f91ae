#pragma once

#include "output/PrinterMetrics.h"

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

} // namespace veltmoor::test
