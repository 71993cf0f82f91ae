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
    if (const QScreen* screen = companionScreen()) {
        placement_.placeAt(*this, *screen, wanted);
    }
}

void CompanionWindow::placeFrameWithin(QPoint wanted, const QRect& area) {
    placement_.placeWithin(*this, area, wanted);
}

bool CompanionWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
        // The main window may have gone to another screen while this one was hidden.
        placeOnScreen();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (placement_.frameChanged(*this)) {
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
