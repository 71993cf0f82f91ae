#include "app/ui/PictureBox.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace veltmoor {

namespace {

QColor toQColor(TColor color) {
    const TColor concrete = resolveSystemColor(color);
    return QColor(redOf(concrete), greenOf(concrete), blueOf(concrete));
}

} // namespace

PictureBox::PictureBox(int width, int height, QWidget* parent) : QWidget(parent) {
    setFixedSize(width, height);
    // Hover tracking must see moves without a button held.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::showPicture(const QImage& picture, const QRect& target, TColor background) {
    picture_ = picture;
    target_ = target;
    background_ = toQColor(background);
    update();
}

void PictureBox::showBitmap(const Bitmap& picture, const QRect& target, TColor background) {
    showPicture(picture.toQImage(), target, background);
}

void PictureBox::showBitmap(const Bitmap& picture) {
    showBitmap(picture, rect(), clWhite);
}

void PictureBox::clearPicture(TColor background) {
    showPicture(QImage(), QRect(), background);
}

void PictureBox::showSameAs(const PictureBox& other) {
    picture_ = other.picture_;
    target_ = other.target_;
    background_ = other.background_;
    overlayText_ = other.overlayText_;
    overlayFont_ = other.overlayFont_;
    overlayTop_ = other.overlayTop_;
    overlayColor_ = other.overlayColor_;
    update();
}

void PictureBox::setOverlayText(const QString& text, const QFont& font, int top, TColor color) {
    overlayText_ = text;
    overlayFont_ = font;
    overlayTop_ = top;
    overlayColor_ = toQColor(color);
    update();
}

TColor PictureBox::colorAt(QPoint position) const {
    QColor shown = background_;
    if (!picture_.isNull() && target_.contains(position)) {
        // The pixel of the picture that is stretched over this point.
        const int x = (position.x() - target_.left()) * picture_.width() / target_.width();
        const int y = (position.y() - target_.top()) * picture_.height() / target_.height();
        shown = picture_.pixelColor(std::min(x, picture_.width() - 1),
                                    std::min(y, picture_.height() - 1));
    }
    return rgbColor(shown.red(), shown.green(), shown.blue());
}

QImage PictureBox::rendered() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintContent(painter);
    return image;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintContent(painter);
    if (focusShown_) {
        painter.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const QPoint middle = rect().center();
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked(middle);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        // The menus act on the box the pointer was last over; the keyboard points here.
        emit mouseMoved(middle);
        emit rightClicked(mapToGlobal(middle));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    focusShown_ = true;
    update();
    QWidget::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    focusShown_ = false;
    update();
    QWidget::focusOutEvent(event);
}

void PictureBox::paintContent(QPainter& painter) const {
    painter.fillRect(rect(), background_);
    if (!picture_.isNull() && !target_.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target_, picture_);
    }
    if (!overlayText_.isEmpty()) {
        painter.setFont(overlayFont_);
        painter.setPen(overlayColor_);
        const QFontMetrics metrics(overlayFont_);
        const int left = (width() - metrics.horizontalAdvance(overlayText_)) / 2;
        painter.drawText(QPoint(left, overlayTop_ + metrics.ascent()), overlayText_);
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    } else if (event->button() == Qt::RightButton) {
        emit rightClicked(event->globalPosition().toPoint());
    }
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked(event->position().toPoint());
        }
    }
    event->accept();
}

} // namespace veltmoor
