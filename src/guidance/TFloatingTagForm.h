#pragma once

#include "platform/Bitmap.h"
#include "platform/TColor.h"

#include <QWidget>

#include <functional>

namespace veltmoor {

// The drawing surface of the floating tag window: a fixed bitmap shown at one bitmap pixel
// per logical pixel, reporting presses of any mouse button.
class TagSurfaceView : public QWidget {
    Q_OBJECT

public:
    TagSurfaceView(const Bitmap& surface, QWidget* parent);

signals:
    void mousePressed(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Bitmap& surface_;
};

// A small window that keeps the current tag in view at half its dot size, whatever page the
// main window shows. A click in it picks the point (and the colour there) on the tag; its
// close button asks the main window to clear "Floating Tag".
class TFloatingTagForm : public QWidget {
    Q_OBJECT

public:
    // A point of the tag in tag dots, and the colour the window showed there.
    using PickPointHandler = std::function<void(int x, int y, TColor color)>;

    // The main window (optional) owns the floating window, which stays a window of its
    // own: it goes on the main window's screen, is kept above it, closes with it and hands
    // the keyboard back to it.
    explicit TFloatingTagForm(QWidget* mainWindow = nullptr);

    void setPickPoint(PickPointHandler handler) { pickPoint_ = std::move(handler); }
    // Called when the user closes the window; the window hides either way.
    void setCloseRequested(std::function<void()> handler) { closeRequested_ = std::move(handler); }

    // Shows a composed tag (in tag dots) at half size, the window sized to it.
    void updateTag(const Bitmap& tag);
    const Bitmap& surface() const { return surface_; }

    // The window's own handler: a press at (x, y) of the picture.
    void Image1MouseDown(QPoint position);

    TagSurfaceView* Image1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void keepOnScreen();

    Bitmap surface_;
    PickPointHandler pickPoint_;
    std::function<void()> closeRequested_;
};

} // namespace veltmoor
