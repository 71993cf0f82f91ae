#include "app/ui/TForm1.h"

#include "app/ui/UpDown.h"
#include "design/NumericFields.h"
#include "platform/Errors.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

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

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextBlockMemo && event->type() == QEvent::FocusIn) {
        guardedFrom(TextBlockMemo, [this] { TextBlockMemoEnter(); });
    } else if (watched == TextBlockMemo && event->type() == QEvent::FocusOut) {
        guardedFrom(TextBlockMemo, [this] { TextBlockMemoExit(); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
        numericFieldEvent(edit, event);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::numericFieldEvent(QLineEdit* edit, QEvent* event) {
    const bool sizeEdit =
        edit == WidthEdit || edit == HeightEdit || edit == HoleWidthEdit || edit == HoleHeightEdit;
    switch (event->type()) {
    case QEvent::KeyPress:
        numericFieldKeysDown_.insert({edit, static_cast<QKeyEvent*>(event)->key()});
        break;
    case QEvent::KeyRelease:
        // Only a key that went down in the field is read on its release: the release of
        // a key that closed a message lands here too and must not bring the message back.
        if (numericFieldKeysDown_.erase({edit, static_cast<QKeyEvent*>(event)->key()}) > 0 &&
            sizeEdit && !syncing_) {
            guardedFrom(edit, [this, edit] { sizeEditKeyUp(edit); });
        }
        break;
    case QEvent::FocusOut:
        if (leavesTheField(event) && !syncing_) {
            guardedFrom(edit, [this, edit] { numericFieldLeft(edit); });
        }
        break;
    default:
        break;
    }
}

bool TForm1::keepsTyping(QLineEdit* edit, bool hundredths, const ValueOutOfRange& error) {
    outOfRangeText_ = OutOfRangeText{edit, edit->text(), error};
    return canStillBecomeInRange(edit->text(),
                                 hundredths ? TypedNumber::Hundredths : TypedNumber::Percent,
                                 error.min(), error.max());
}

void TForm1::sizeEditKeyUp(QLineEdit* edit) {
    const QString text = edit->text();
    try {
        if (edit == WidthEdit) {
            follow(design_.WidthEditKeyUp(text));
        } else if (edit == HeightEdit) {
            follow(design_.HeightEditKeyUp(text));
        } else if (edit == HoleWidthEdit) {
            follow(design_.HoleWidthEditKeyUp(text));
        } else {
            follow(design_.HoleHeightEditKeyUp(text));
        }
    } catch (const UserError& error) {
        const auto* outOfRange = dynamic_cast<const ValueOutOfRange*>(&error);
        if (outOfRange && keepsTyping(edit, true, *outOfRange)) {
            return; // the size in use stays, unasked, until the text is finished
        }
        // One message for the refused text: the field shows the size in use before the
        // message is up, so that neither closing it nor leaving the field brings it back.
        outOfRangeText_.reset();
        showValueInUse(edit);
        if (edit == WidthEdit || edit == HeightEdit) {
            DrawTag(design_.CurrentSlot); // the size in use is applied again
        }
        throw;
    }
    outOfRangeText_.reset();
    showDesignInControls();
}

void TForm1::numericFieldLeft(QLineEdit* edit) {
    // An arrow click may have written the field since; then it is settled.
    if (!outOfRangeText_ || outOfRangeText_->edit != edit ||
        outOfRangeText_->text != edit->text()) {
        return;
    }
    const ValueOutOfRange error = outOfRangeText_->error;
    outOfRangeText_.reset();
    showValueInUse(edit);
    throw error;
}

void TForm1::showValueInUse(QLineEdit* edit) {
    // The up-downs put their own value back into their edits, as an arrow click would.
    if (edit == WidthEdit) {
        design_.WidthUpDownClick(design_.WidthUpDownPosition);
    } else if (edit == HeightEdit) {
        design_.HeightUpDownClick(design_.HeightUpDownPosition);
    } else if (edit == HoleWidthEdit) {
        design_.HoleWidthUpDownClick(design_.settings.hole.width);
    } else if (edit == HoleHeightEdit) {
        design_.HoleHeightUpDownClick(design_.settings.hole.height);
    }
    for (const auto& [field, percentEdit, upDown] : percentPairs()) {
        if (percentEdit == edit) {
            syncing_ = true;
            edit->setText(QString::number(design_.percentPosition(field)));
            syncing_ = false;
        }
    }
    showDesignInControls();
}

void TForm1::percentEditChange(PercentField field, QLineEdit* edit, UpDown* upDown) {
    QString shown;
    try {
        shown = design_.PercentEditChange(field, edit->text());
    } catch (const UserError& error) {
        const auto* outOfRange = dynamic_cast<const ValueOutOfRange*>(&error);
        if (outOfRange && keepsTyping(edit, false, *outOfRange)) {
            return;
        }
        // The field goes back to the value it had.
        outOfRangeText_.reset();
        syncing_ = true;
        edit->setText(QString::number(design_.percentPosition(field)));
        syncing_ = false;
        throw;
    }
    outOfRangeText_.reset();
    syncing_ = true;
    upDown->setPosition(design_.percentPosition(field));
    if (edit->text() != shown) {
        edit->setText(shown);
    }
    syncing_ = false;
    DrawTag(design_.CurrentSlot);
}

void TForm1::percentUpDownClick(PercentField field, UpDown* upDown) {
    follow(design_.PercentUpDownClick(field, upDown->position()));
}

std::array<TForm1::PercentPair, 7> TForm1::percentPairs() const {
    return {{
        {PercentField::HoleWidthOffset, HoleWidthOffsetEdit, HoleWidthOffsetUpDown},
        {PercentField::HoleHeightOffset, HoleHeightOffsetEdit, HoleHeightOffsetUpDown},
        {PercentField::ImageSize, ImageSizeEdit, ImageSizeUpDown},
        {PercentField::ImageHorizontalOffset, ImageHorizontalOffsetEdit,
         ImageHorizontalOffsetUpDown},
        {PercentField::ImageVerticalOffset, ImageVerticalOffsetEdit, ImageVerticalOffsetUpDown},
        {PercentField::TextBlockWidthOffset, TextBlockWidthOffsetEdit, TextBlockWidthOffsetUpDown},
        {PercentField::TextBlockHeightOffset, TextBlockHeightOffsetEdit,
         TextBlockHeightOffsetUpDown},
    }};
}

// The tag and hole sizes, read on every key release, and the percent pairs.
void TForm1::connectNumericFieldHandlers() {
    // Tag size and hole size: the edits are read on every key release.
    for (QLineEdit* edit : {WidthEdit, HeightEdit, HoleWidthEdit, HoleHeightEdit}) {
        edit->installEventFilter(this);
    }
    on(WidthUpDown, &UpDown::clicked, [this] {
        follow(design_.WidthUpDownClick(WidthUpDown->position()));
        showSizeTexts();
    });
    on(HeightUpDown, &UpDown::clicked, [this] {
        follow(design_.HeightUpDownClick(HeightUpDown->position()));
        showSizeTexts();
    });
    on(HoleWidthUpDown, &UpDown::clicked, [this] {
        follow(design_.HoleWidthUpDownClick(HoleWidthUpDown->position()));
        showHoleSizeTexts();
    });
    on(HoleHeightUpDown, &UpDown::clicked, [this] {
        follow(design_.HoleHeightUpDownClick(HoleHeightUpDown->position()));
        showHoleSizeTexts();
    });

    // Percent pairs: read on every change, and checked once more when left.
    for (const auto& [field, edit, upDown] : percentPairs()) {
        edit->installEventFilter(this);
        on(edit, &QLineEdit::textChanged, [this, field = field, edit = edit, upDown = upDown] {
            percentEditChange(field, edit, upDown);
        });
        on(upDown, &UpDown::clicked,
           [this, field = field, upDown = upDown] { percentUpDownClick(field, upDown); });
    }
}

} // namespace veltmoor
