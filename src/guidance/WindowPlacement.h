#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace veltmoor {

// The top-left corner for a window frame of the given size that wants to sit at `wanted`:
// moved in just as far as needed to have the whole frame on the available area (the
// screen without its panels). A frame larger than the area keeps its top-left corner on it,
// so the title bar stays within reach.
QPoint keptOnArea(QPoint wanted, QSize frame, const QRect& available);

// The help window's corner: at the left edge of the screen, its frame ending 40 pixels
// above the screen's bottom edge.
QPoint helpWindowCorner(const QRect& screen, QSize frame);

} // namespace veltmoor
