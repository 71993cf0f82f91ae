#include "guidance/TFloatingTagForm.h"

#include "platform/RasterStretch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace veltmoor {

namespace {

// The largest tag (5.00 x 5.00 in, 1000 x 1000 dots) fits the surface at half size.
constexpr int kSurfaceSize = 500;
constexpr TColor kUnusedSurfaceColor = 0x00FFFF; // yellow, until the first tag arrives

} // namespace

TagSurfaceView::TagSurfaceView(const Bitmap& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TagSurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), surface_.toQImage());
}

void TagSurfaceView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mousePressed(
        QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
}

// The size follows the tag, so there is nothing to maximise.
TFloatingTagForm::TFloatingTagForm(QWidget* mainWindow)
    : CompanionWindow(mainWindow, Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowCloseButtonHint),
      surface_(kSurfaceSize, kSurfaceSize, kUnusedSurfaceColor) {
    setObjectName(QStringLiteral("FloatingTagForm"));
    setWindowTitle(QStringLiteral("Tag"));
    Image1 = new TagSurfaceView(surface_, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kSurfaceSize, kSurfaceSize);
    setFixedSize(kSurfaceSize, kSurfaceSize);
    connect(Image1, &TagSurfaceView::mousePressed, this, &TFloatingTagForm::Image1MouseDown);

    if (const QScreen* screen = companionScreen()) {
        placeFrameAt(screen->geometry().topLeft());
    }
}

TagRoom TFloatingTagForm::tagRoom(QSize tagDots) const {
    const QScreen* screen = companionScreen();
    if (screen == nullptr) {
        return TagRoom{};
    }
    const QWidget* mainWindow = parentWidget();
    const QRect mainFrame =
        mainWindow != nullptr && mainWindow->isVisible() ? mainWindow->frameGeometry() : QRect();
    return roomForTag(tagDots, frameGeometry().size() - size(), mainFrame,
                      screen->availableGeometry());
}

void TFloatingTagForm::updateTag(const Bitmap& tag) {
    tagDots_ = QSize(tag.width(), tag.height());
    dotsPerPixel_ = tagRoom(tagDots_).dotsPerPixel;
    const int width = std::clamp(tag.width() / dotsPerPixel_, 1, kSurfaceSize);
    const int height = std::clamp(tag.height() / dotsPerPixel_, 1, kSurfaceSize);
    // On Windows the window was sized from outside, 8 pixels of border and 27 of border and
    // caption around the tag. Here the window manager owns the frame and its size varies
    // with the theme, so the client area is what gets the tag's half size; the frame
    // follows.
    if (size() != QSize(width, height)) {
        setFixedSize(width, height);
        Image1->setFixedSize(width, height);
        placeOnScreen();
    }
    raster::stretchSmooth(surface_, Rect{0, 0, width, height}, tag);
    Image1->update();
    // A click into this window took the keyboard; the tag it changed hands it back.
    if (isActiveWindow() && parentWidget() != nullptr) {
        parentWidget()->activateWindow();
    }
}

void TFloatingTagForm::Image1MouseDown(QPoint position) {
    if (!surface_.contains(position.x(), position.y()) || !pickPoint_) {
        return;
    }
    // One window pixel is two tag dots, or more where the tag is drawn smaller.
    pickPoint_(position.x() * dotsPerPixel_, position.y() * dotsPerPixel_,
               surface_.pixelColor(position.x(), position.y()));
}

void TFloatingTagForm::placeOnScreen() {
    const QPoint corner = frameGeometry().topLeft();
    const QRect room = tagRoom(tagDots_.isEmpty() ? size() * 2 : tagDots_).room;
    // Where the user put the window stays; only a window in the room keeps to the room.
    if (room.contains(corner)) {
        placeFrameWithin(corner, room);
    } else {
        placeFrameAt(corner);
    }
}

} // namespace veltmoor
