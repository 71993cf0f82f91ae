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

// The main window's corner: against the right edge of the screen with one pixel to spare,
// centred from top to bottom.
QPoint mainWindowCorner(const QRect& screen, QSize frame);

// Where a companion window that shows the tag goes and how small it draws the tag: the free
// room beside the main window (a strip of the available area left, right, above or below
// its frame) and the tag dots one window pixel stands for.
struct TagRoom {
    QRect room;
    int dotsPerPixel = 2;
};

// The strip that shows the tag largest: at half its dots where that fits (frame included),
// else at the largest whole fraction that does (a third, a quarter, ...). The tag never
// covers the main window's menu bar or pages that way. Without a main window, or with none
// of the room beside it, the whole available area is the room.
TagRoom roomForTag(QSize tagDots, QSize frameAround, const QRect& mainFrame,
                   const QRect& available);

// Places a top-level window by its frame. Until the window manager has framed a new
// window its frame is unknown and the window's own size stands for it; once the frame is
// known (or changes size) the window must be placed again, and only then: a window the user
// has moved stays where the user put it.
class FramePlacement {
public:
    // Moves the frame's corner to `wanted`, or as near as keeps the whole frame on the
    // screen's available area.
    void placeAt(QWidget& window, const QScreen& screen, QPoint wanted);
    // The same within a part of the available area.
    void placeWithin(QWidget& window, const QRect& area, QPoint wanted);
    // Whether the frame is no longer the size it was placed with.
    bool frameChanged(const QWidget& window) const;

private:
    QSize placedFrame_;
};

} // namespace veltmoor
