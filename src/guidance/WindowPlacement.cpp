#include "guidance/WindowPlacement.h"

#include <QGuiApplication>
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

QScreen* companionScreen(const QWidget* mainWindow, const QWidget& window) {
    if (mainWindow != nullptr && mainWindow->screen() != nullptr) {
        return mainWindow->screen();
    }
    if (window.screen() != nullptr) {
        return window.screen();
    }
    return QGuiApplication::primaryScreen();
}

void placeFrame(QWidget& window, QPoint wanted, const QScreen& screen) {
    // A top-level widget's position is its frame's, so the frame's corner is what moves.
    // Until the window manager has framed the window its frame is unknown and the window's
    // own size stands for it; the window is placed again once it is framed.
    const QSize frame = window.frameGeometry().size();
    window.move(keptOnArea(wanted, frame, screen.availableGeometry()));
}

} // namespace veltmoor
