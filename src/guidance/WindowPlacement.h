#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace veltmoor {

// The top-left corner for a window frame of the given size that wants to sit at `wanted`:
// moved in just as far as needed to have the whole frame on the available area (the
// screen without its panels). A frame larger than the area keeps its top-left corner on it,
// so the title bar stays within reach.
QPoint keptOnArea(QPoint wanted, QSize frame, const QRect& available);

// The help window's corner: at the left edge of the screen, its frame ending 40 pixels
// above the screen's bottom edge.
QPoint helpWindowCorner(const QRect& screen, QSize frame);

// The screen a companion window belongs on: the one that holds the main window, else the
// one the window is on, else the primary screen.
QScreen* companionScreen(const QWidget* mainWindow, const QWidget& window);

// Moves the window's frame (not its client area) to `wanted`, kept wholly on the available
// area of `screen`.
void placeFrame(QWidget& window, QPoint wanted, const QScreen& screen);

} // namespace veltmoor
