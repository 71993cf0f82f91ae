#pragma once

#include "platform/Bitmap.h"
#include "platform/TColor.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace veltmoor {

// A fixed-size picture surface. It keeps the picture at its own resolution and scales it
// into a target rectangle (in the box's logical pixels) when painting, so a 900-pixel
// thumbnail or a 200-dot tag stays sharp on a high-density screen. An optional line of
// text sits on top, centred across the box. Boxes that take the keyboard focus (see
// setFocusPolicy) answer Space or Return as a click in their middle, and the menu key or
// Shift+F10 as a right click after a move there.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(int width, int height, QWidget* parent = nullptr);

    // Fills the box with the background and stretches the picture into target.
    void showPicture(const QImage& picture, const QRect& target, TColor background = clWhite);
    void showBitmap(const Bitmap& picture, const QRect& target, TColor background = clWhite);
    // Stretches the picture over the whole box.
    void showBitmap(const Bitmap& picture);
    void clearPicture(TColor background);
    // Another box's content, as it stands.
    void showSameAs(const PictureBox& other);

    void setOverlayText(const QString& text, const QFont& font, int top, TColor color = clBlack);

    // The colour shown at a point of the box: the picture's own pixel under it, or the
    // background outside the picture.
    TColor colorAt(QPoint position) const;

    const QImage& picture() const { return picture_; }
    QRect target() const { return target_; }
    QString overlayText() const { return overlayText_; }

    // What the box shows, at one image pixel per logical pixel.
    QImage rendered() const;

    QSize sizeHint() const override { return size(); }

signals:
    void mouseMoved(QPoint position);
    void clicked(QPoint position);
    // Any mouse button went down.
    void pressed(QPoint position);
    void rightClicked(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintContent(QPainter& painter) const;

    QImage picture_;
    QRect target_;
    QColor background_ = Qt::white;
    QString overlayText_;
    QFont overlayFont_;
    int overlayTop_ = 0;
    QColor overlayColor_ = Qt::black;
    bool leftPressed_ = false;
    bool focusShown_ = false;
};

} // namespace veltmoor
