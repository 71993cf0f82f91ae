#include "app/ui/UpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace veltmoor {

namespace {

int toSixteenBits(int value) {
    return std::clamp(value, UpDown::kLowest, UpDown::kHighest);
}

QToolButton* makeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The edit beside the arrows keeps the keyboard focus; the arrow keys step from there.
    button->setFocusPolicy(Qt::NoFocus);
    // The two arrows share the height of the edit beside them.
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setFixedWidth(16);
    button->setMinimumHeight(8);
    button->setIconSize(QSize(7, 7));
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = makeArrow(Qt::UpArrow, QStringLiteral("up"), this);
    down_ = makeArrow(Qt::DownArrow, QStringLiteral("down"), this);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize UpDown::sizeHint() const {
    // As tall as a line edit, so that a pair sits on one row.
    const int lineHeight = fontMetrics().height() + 8;
    return QSize(16, lineHeight < 20 ? 20 : lineHeight);
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(toSixteenBits(position), minimum_, maximum_);
    showPositionInAssociate();
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = toSixteenBits(minimum);
    maximum_ = std::max(minimum_, toSixteenBits(maximum));
    setPosition(position_);
}

void UpDown::setIncrement(int increment) {
    increment_ = std::max(1, increment);
}

void UpDown::setAssociate(QLineEdit* edit) {
    if (associate_ != nullptr) {
        associate_->removeEventFilter(this);
    }
    associate_ = edit;
    if (associate_ != nullptr) {
        associate_->installEventFilter(this);
        showPositionInAssociate();
    }
}

void UpDown::step(int direction) {
    // In 64 bits so that a step from the 16-bit limit cannot overflow before clamping.
    const long long next = static_cast<long long>(position_) +
                           static_cast<long long>(direction < 0 ? -increment_ : increment_);
    setPosition(static_cast<int>(std::clamp<long long>(next, kLowest, kHighest)));
    emit clicked(direction < 0 ? -1 : +1);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && associate_ != nullptr) {
        associate_->setEnabled(isEnabled());
    }
    QWidget::changeEvent(event);
}

void UpDown::showPositionInAssociate() {
    if (associate_ != nullptr) {
        const QString text = QString::number(position_);
        if (associate_->text() != text) {
            associate_->setText(text);
        }
    }
}

} // namespace veltmoor
