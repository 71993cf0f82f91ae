#include "guidance/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace veltmoor {

namespace {

// The help window keeps this far from the bottom edge, clear of a task bar there.
constexpr int kHelpWindowBottomGap = 40;

// Half size is what the tag window has always shown; a tag drawn smaller than a tenth of
// its dots would say little, and a strip that needs that much is no room for it.
constexpr int kHalfSize = 2;
constexpr int kSmallestFraction = 10;

// The fewest dots per pixel, from half size on, at which the tag and its frame fit `room`;
// 0 when even the smallest fraction does not.
int fittingDotsPerPixel(QSize tagDots, QSize frameAround, QSize room) {
    for (int dots = kHalfSize; dots <= kSmallestFraction; ++dots) {
        if (tagDots.width() / dots + frameAround.width() <= room.width() &&
            tagDots.height() / dots + frameAround.height() <= room.height()) {
            return dots;
        }
    }
    return 0;
}

int keptOnSpan(int wanted, int length, int first, int span) {
    const int last = first + span - length;
    return std::max(first, std::min(wanted, last));
}

} // namespace

QPoint keptOnArea(QPoint wanted, QSize frame, const QRect& available) {
    return QPoint(keptOnSpan(wanted.x(), frame.width(), available.left(), available.width()),
                  keptOnSpan(wanted.y(), frame.height(), available.top(), available.height()));
}

QPoint helpWindowCorner(const QRect& screen, QSize frame) {
    return QPoint(screen.left(),
                  screen.top() + screen.height() - frame.height() - kHelpWindowBottomGap);
}

TagRoom roomForTag(QSize tagDots, QSize frameAround, const QRect& mainFrame,
                   const QRect& available) {
    TagRoom best{available, 0};
    if (mainFrame.isValid() && mainFrame.intersects(available)) {
        const QRect beside[] = {
            QRect(QPoint(available.left(), available.top()),
                  QPoint(mainFrame.left() - 1, available.bottom())),
            QRect(QPoint(mainFrame.right() + 1, available.top()),
                  QPoint(available.right(), available.bottom())),
            QRect(QPoint(available.left(), available.top()),
                  QPoint(available.right(), mainFrame.top() - 1)),
            QRect(QPoint(available.left(), mainFrame.bottom() + 1),
                  QPoint(available.right(), available.bottom())),
        };
        for (const QRect& strip : beside) {
            const int dots =
                strip.isValid() ? fittingDotsPerPixel(tagDots, frameAround, strip.size()) : 0;
            if (dots > 0 && (best.dotsPerPixel == 0 || dots < best.dotsPerPixel)) {
                best = TagRoom{strip, dots};
            }
        }
    }
    if (best.dotsPerPixel == 0) {
        // No room beside the main window: the tag may go over it, as small as it must.
        best = TagRoom{available, std::max(kHalfSize, fittingDotsPerPixel(tagDots, frameAround,
                                                                          available.size()))};
    }
    return best;
}

void FramePlacement::placeAt(QWidget& window, const QScreen& screen, QPoint wanted) {
    placeWithin(window, screen.availableGeometry(), wanted);
}

void FramePlacement::placeWithin(QWidget& window, const QRect& area, QPoint wanted) {
    // A top-level widget's position is its frame's, so the frame's corner is what moves.
    placedFrame_ = window.frameGeometry().size();
    window.move(keptOnArea(wanted, placedFrame_, area));
}

bool FramePlacement::frameChanged(const QWidget& window) const {
    return window.frameGeometry().size() != placedFrame_;
}

QPoint mainWindowCorner(const QRect& screen, QSize frame) {
    return QPoint(screen.left() + screen.width() - frame.width() - 1,
                  screen.top() + (screen.height() - frame.height()) / 2);
}

} // namespace veltmoor
