#pragma once

#include "guidance/CompanionWindow.h"
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
// main window shows; where the screen beside the main window is too small for that, the tag
// is drawn smaller, so that the window never covers the main window. A click in it picks the
// point (and the colour there) on the tag; its close button asks the main window to clear
// "Floating Tag".
class TFloatingTagForm : public CompanionWindow {
    Q_OBJECT

public:
    // A point of the tag in tag dots, and the colour the window showed there.
    using PickPointHandler = std::function<void(int x, int y, TColor color)>;

    // The main window (optional) also gets the keyboard back after a click in the tag.
    explicit TFloatingTagForm(QWidget* mainWindow = nullptr);

    void setPickPoint(PickPointHandler handler) { pickPoint_ = std::move(handler); }

    // Shows a composed tag (in tag dots) at half size or smaller, the window sized to it.
    void updateTag(const Bitmap& tag);
    const Bitmap& surface() const { return surface_; }
    // The tag dots one pixel of the window shows: 2 at half size.
    int dotsPerPixel() const { return dotsPerPixel_; }

    // The window's own handler: a press at (x, y) of the picture.
    void Image1MouseDown(QPoint position);

    // Keeps the window where it is, moved in as far as needed to be wholly on the screen; a
    // window in the room beside the main window is kept within that room.
    void placeOnScreen() override;

    TagSurfaceView* Image1 = nullptr;

private:
    TagRoom tagRoom(QSize tagDots) const;

    Bitmap surface_;
    PickPointHandler pickPoint_;
    int dotsPerPixel_ = 2;
    QSize tagDots_; // of the tag shown last
};

} // namespace veltmoor
