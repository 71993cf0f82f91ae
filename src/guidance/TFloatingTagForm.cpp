#include "guidance/TFloatingTagForm.h"

#include "guidance/WindowPlacement.h"
#include "platform/RasterStretch.h"

#include <QApplication>
#include <QCloseEvent>
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
constexpr int kDotsPerWindowPixel = 2;

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

TFloatingTagForm::TFloatingTagForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), surface_(kSurfaceSize, kSurfaceSize, kUnusedSurfaceColor) {
    setObjectName(QStringLiteral("FloatingTagForm"));
    setWindowTitle(QStringLiteral("Tag"));
    // The tag is kept in view for the user working in the main window; showing it or
    // giving it a new tag must not take the keyboard away from there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    Image1 = new TagSurfaceView(surface_, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kSurfaceSize, kSurfaceSize);
    setFixedSize(kSurfaceSize, kSurfaceSize);
    connect(Image1, &TagSurfaceView::mousePressed, this, &TFloatingTagForm::Image1MouseDown);

    if (const QScreen* screen = companionScreen(parentWidget(), *this)) {
        placeFrame(*this, screen->geometry().topLeft(), *screen);
    }
}

void TFloatingTagForm::updateTag(const Bitmap& tag) {
    const int width = std::clamp(tag.width() / kDotsPerWindowPixel, 1, kSurfaceSize);
    const int height = std::clamp(tag.height() / kDotsPerWindowPixel, 1, kSurfaceSize);
    // On Windows the window was sized from outside, 8 pixels of border and 27 of border and
    // caption around the tag. Here the window manager owns the frame and its size varies
    // with the theme, so the client area is what gets the tag's half size; the frame
    // follows.
    if (size() != QSize(width, height)) {
        setFixedSize(width, height);
        Image1->setFixedSize(width, height);
        keepOnScreen();
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
    // One window pixel is two tag dots.
    pickPoint_(position.x() * kDotsPerWindowPixel, position.y() * kDotsPerWindowPixel,
               surface_.pixelColor(position.x(), position.y()));
}

void TFloatingTagForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closeRequested_) {
        closeRequested_();
    }
}

void TFloatingTagForm::keepOnScreen() {
    if (const QScreen* screen = companionScreen(parentWidget(), *this)) {
        placeFrame(*this, frameGeometry().topLeft(), *screen);
    }
}

} // namespace veltmoor
