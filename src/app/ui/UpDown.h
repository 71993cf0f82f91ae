#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace veltmoor {

// A pair of arrow buttons that steps a whole number between a minimum and a maximum.
// The number is 16-bit, as the settings it carries have always been stored; anything
// outside the range, or outside 16 bits, is held at the nearest limit rather than
// wrapped. An associated edit always shows the position, and the arrow keys in that
// edit work like the buttons.
class UpDown : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLowest = -32768;
    static constexpr int kHighest = 32767;

    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return position_; }
    // Does not emit clicked: only the user's arrow clicks do.
    void setPosition(int position);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Bounds outside 16 bits are held at 16 bits; the position is brought into range.
    void setRange(int minimum, int maximum);

    int increment() const { return increment_; }
    void setIncrement(int increment);

    // The edit that shows the position as a plain number, or none.
    void setAssociate(QLineEdit* edit);
    QLineEdit* associate() const { return associate_; }

    // What one arrow click does: step up (+1) or down (-1) by the increment, keep to the
    // range, then emit clicked.
    void step(int direction);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    QSize sizeHint() const override;

signals:
    // After an arrow click (button or key) has moved the position; +1 up, -1 down.
    void clicked(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showPositionInAssociate();

    int position_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    QLineEdit* associate_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

} // namespace veltmoor
