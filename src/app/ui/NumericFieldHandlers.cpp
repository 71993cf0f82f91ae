#include "app/ui/TForm1.h"

#include "app/ui/UpDown.h"
#include "design/NumericFields.h"
#include "platform/Errors.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace veltmoor {

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !syncing_) {
        if (watched == WidthEdit || watched == HeightEdit || watched == HoleWidthEdit) {
            auto* edit = static_cast<QLineEdit*>(watched);
            guarded([this, edit] { sizeEditKeyUp(edit); });
        }
    } else if (watched == TextBlockMemo && event->type() == QEvent::FocusIn) {
        guarded([this] { TextBlockMemoEnter(); });
    } else if (watched == TextBlockMemo && event->type() == QEvent::FocusOut) {
        guarded([this] { TextBlockMemoExit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::sizeEditKeyUp(QLineEdit* edit) {
    const QString text = edit->text();
    try {
        if (edit == WidthEdit) {
            follow(design_.WidthEditKeyUp(text));
        } else if (edit == HeightEdit) {
            follow(design_.HeightEditKeyUp(text));
        } else {
            follow(design_.HoleWidthEditKeyUp(text));
        }
    } catch (const ValueOutOfRange&) {
        // The size in use stays and is applied again, with its redraw.
        if (edit != HoleWidthEdit) {
            DrawTag(design_.CurrentSlot);
        }
        showDesignInControls();
        throw;
    }
    showDesignInControls();
}

void TForm1::percentEditChange(PercentField field, QLineEdit* edit, UpDown* upDown) {
    QString shown;
    try {
        shown = design_.PercentEditChange(field, edit->text());
    } catch (const ValueOutOfRange&) {
        // The field goes back to the value it had.
        syncing_ = true;
        edit->setText(QString::number(design_.percentPosition(field)));
        syncing_ = false;
        throw;
    }
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

// The tag and hole sizes, read on every key release, and the percent pairs.
void TForm1::connectNumericFieldHandlers() {
    // Tag size and hole size: the edits are read on every key release.
    for (QLineEdit* edit : {WidthEdit, HeightEdit, HoleWidthEdit}) {
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

    // Percent pairs.
    const std::array<std::tuple<PercentField, QLineEdit*, UpDown*>, 7> pairs{{
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
    for (const auto& [field, edit, upDown] : pairs) {
        on(edit, &QLineEdit::textChanged, [this, field = field, edit = edit, upDown = upDown] {
            percentEditChange(field, edit, upDown);
        });
        on(upDown, &UpDown::clicked,
           [this, field = field, upDown = upDown] { percentUpDownClick(field, upDown); });
    }
}

} // namespace veltmoor
