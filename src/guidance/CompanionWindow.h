#pragma once

#include "guidance/WindowPlacement.h"

#include <QWidget>

#include <functional>

namespace veltmoor {

// A small window that keeps the user company beside the main window: a window of its own,
// owned by the main window (so it goes on the main window's screen, stays above it and
// closes with it), shown without taking the keyboard, and kept wholly on the available
// screen area, frame included.
class CompanionWindow : public QWidget {
    Q_OBJECT

public:
    // Called when the user closes the window (the main window clears its check box); the
    // window hides either way.
    void setCloseRequested(std::function<void()> handler) { closeRequested_ = std::move(handler); }

    // Moves the window's frame where it belongs on the main window's screen.
    virtual void placeOnScreen() = 0;

protected:
    CompanionWindow(QWidget* mainWindow, Qt::WindowFlags flags);

    // Moves the frame's corner to `wanted`, or as near as keeps the frame on the available
    // area of the main window's screen. The window is placed again each time it is shown
    // and once the window manager has framed it.
    void placeFrameAt(QPoint wanted);
    // The same within a part of the available area.
    void placeFrameWithin(QPoint wanted, const QRect& area);
    const QScreen* companionScreen() const;

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeRequested_;
    FramePlacement placement_;
};

} // namespace veltmoor
