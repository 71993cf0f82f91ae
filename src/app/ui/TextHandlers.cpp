#include "app/ui/TForm1.h"

#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "design/MemoLines.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltmoor {

void TForm1::chooseFont(Font& font) {
    if (const auto chosen = prompts_.chooseFont(font)) {
        font = *chosen;
        DrawTag(design_.CurrentSlot);
    }
}

void TForm1::TextBlockMemoChange() {
    DrawTimer_->cancel();
    const TextBlockChange change =
        design_.TextBlockMemoChange(textBlockFromMemo(TextBlockMemo->toPlainText()));
    // Said once as a line becomes too wide, and again only after the text has fitted in
    // between; the notice leaves the keyboard in the memo, so no typed letter is lost.
    const bool becameTooLong = change.tooLong && !textBlockTooLong_;
    textBlockTooLong_ = change.tooLong;
    if (becameTooLong) {
        prompts_.notice(QStringLiteral("Text is too long, using the current font and size."));
    }
    DrawTimer_->request();
    DrawTag(design_.CurrentSlot);
}

void TForm1::TextBlockMemoEnter() {
    DrawTimer_->setInterval(RedrawScheduler::kTypingWait);
}

void TForm1::TextBlockMemoExit() {
    design_.TextBlockMemoExit();
    DrawTimer_->setInterval(RedrawScheduler::kNormalWait);
}

void TForm1::TextBlockPositionRadioGroupClick() {
    if (TextBlockPositionRadioGroup->itemIndex() == 1 && !floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
}

// The three texts, their places and fonts.
void TForm1::connectTextHandlers() {
    // Texts.
    on(ValueEdit, &QLineEdit::textChanged,
       [this] { follow(design_.ValueEditChange(ValueEdit->text())); });
    on(TextEdit, &QLineEdit::textChanged,
       [this] { follow(design_.TextEditChange(TextEdit->text())); });
    on(TextBlockMemo, &QPlainTextEdit::textChanged, [this] { TextBlockMemoChange(); });
    TextBlockMemo->installEventFilter(this);
    on(ValueRadioGroup, &RadioGroup::clicked, [this] {
        design_.settings.valuePlace = ValueRadioGroup->itemIndex();
        DrawTag(design_.CurrentSlot);
    });
    on(EdgeRadioGroup, &RadioGroup::clicked, [this] {
        design_.settings.edgePlace = EdgeRadioGroup->itemIndex();
        DrawTag(design_.CurrentSlot);
    });
    // A new alignment shows at the next redraw; choosing it asks for none.
    on(Text1RadioGroup, &RadioGroup::clicked,
       [this] { design_.settings.textBlockAlignment = Text1RadioGroup->itemIndex(); });
    on(TextBlockPositionRadioGroup, &RadioGroup::clicked,
       [this] { TextBlockPositionRadioGroupClick(); });
    on(FontButton, &QPushButton::clicked, [this] { chooseFont(design_.settings.valueFont); });
    on(TextSelectButton, &QPushButton::clicked, [this] { chooseFont(design_.settings.textFont); });
    on(TextBlockMemoSelectFontButton, &QPushButton::clicked,
       [this] { chooseFont(design_.settings.textBlockFont); });
}

} // namespace veltmoor
