#include "app/ui/NumericField.h"

#include "app/ui/UpDown.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace veltmoor {

namespace {

// Focus that moves because the user went on to another control. Focus lost to a message
// box, a menu or another application is not the user leaving the field.
bool leavesTheField(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

NumericField::NumericField(QLineEdit* edit, UpDown* upDown, TypedNumber unit, QObject* parent)
    : QObject(parent), edit_(edit), upDown_(upDown), unit_(unit) {
    // Installed after the up-down's own filter, so this one sees a key first.
    edit_->installEventFilter(this);
    if (unit_ == TypedNumber::Percent) {
        connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (!showing_) {
                emit typed(text);
            }
        });
    }
    connect(upDown_, &UpDown::clicked, this, [this] {
        typing_ = false;
        emit stepped(upDown_->position());
    });
}

void NumericField::show(int position, const QString& text) {
    showing_ = true;
    upDown_->setPosition(position);
    if (unit_ == TypedNumber::Hundredths && !typing_ && edit_->text() != text) {
        edit_->setText(text);
    }
    showing_ = false;
}

bool NumericField::waitsForMore(const ValueOutOfRange& error) {
    waiting_ = Waiting{edit_->text(), error};
    return canStillBecomeInRange(edit_->text(), unit_, error.min(), error.max());
}

bool NumericField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            keysDown_.insert(static_cast<QKeyEvent*>(event)->key());
            break;
        case QEvent::KeyRelease:
            keyReleased(static_cast<QKeyEvent*>(event)->key());
            break;
        case QEvent::FocusOut:
            if (leavesTheField(event)) {
                left();
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void NumericField::keyReleased(int key) {
    // Only a key that went down in the field is read on its release: the release of a key
    // that closed a message lands here too and must not bring the message back.
    if (keysDown_.erase(key) > 0 && unit_ == TypedNumber::Hundredths && !showing_) {
        typing_ = true;
        emit typed(edit_->text());
    }
}

void NumericField::left() {
    // An arrow click may have written the field since; then it is settled.
    if (!waiting_ || waiting_->text != edit_->text()) {
        return;
    }
    const ValueOutOfRange error = waiting_->error;
    waiting_.reset();
    emit leftOutOfRange(error);
}

} // namespace veltmoor
