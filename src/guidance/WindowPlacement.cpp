#include "guidance/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace veltmoor {

namespace {

// The help window keeps this far from the bottom edge, clear of a task bar there.
constexpr int kHelpWindowBottomGap = 40;

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

void FramePlacement::placeAt(QWidget& window, const QScreen& screen, QPoint wanted) {
    // A top-level widget's position is its frame's, so the frame's corner is what moves.
    placedFrame_ = window.frameGeometry().size();
    window.move(keptOnArea(wanted, placedFrame_, screen.availableGeometry()));
}

bool FramePlacement::frameChanged(const QWidget& window) const {
    return window.frameGeometry().size() != placedFrame_;
}

QPoint mainWindowCorner(const QRect& screen, QSize frame) {
    return QPoint(screen.left() + screen.width() - frame.width() - 1,
                  screen.top() + (screen.height() - frame.height()) / 2);
}

} // namespace veltmoor
