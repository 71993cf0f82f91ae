#include "guidance/CompanionWindow.h"

#include "guidance/WindowPlacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace veltmoor {

CompanionWindow::CompanionWindow(QWidget* mainWindow, Qt::WindowFlags flags)
    : QWidget(mainWindow, flags | Qt::Tool) {
    // A tool window is what the window system keeps above its main window (an ordinary
    // window with a parent is not) and takes down with it when the main window is minimised.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

const QScreen* CompanionWindow::companionScreen() const {
    if (parentWidget() != nullptr && parentWidget()->screen() != nullptr) {
        return parentWidget()->screen();
    }
    return screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
}

void CompanionWindow::placeFrameAt(QPoint wanted) {
    const QScreen* screen = companionScreen();
    if (screen == nullptr) {
        return;
    }
    // A top-level widget's position is its frame's, so the frame's corner is what moves.
    // Until the window manager has framed the window its frame is unknown and the window's
    // own size stands for it.
    placedFrame_ = frameGeometry().size();
    move(keptOnArea(wanted, placedFrame_, screen->availableGeometry()));
}

bool CompanionWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        if (frameGeometry().size() != placedFrame_) {
            placeOnScreen();
        }
        break;
    default:
        break;
    }
    return handled;
}

void CompanionWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closeRequested_) {
        closeRequested_();
    }
}

} // namespace veltmoor
