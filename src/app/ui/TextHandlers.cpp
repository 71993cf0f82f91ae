#include "app/ui/TForm1.h"

#include "app/ui/pages/BasicPage.h"

#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/pages/TextBlockPage.h"
#include "app/ui/pages/TextPage.h"
#include "design/MemoLines.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltmoor {

void TForm1::TextBlockMemoChange(const QString& text) {
    DrawTimer_->cancel();
    const TextBlockChange change = design_.TextBlockMemoChange(text);
    // Said once as a line becomes too wide, and again only after the text has fitted in
    // between; the notice leaves the keyboard in the memo, so no typed letter is lost.
    const bool becameTooLong = change.tooLong && !textBlockTooLong_;
    textBlockTooLong_ = change.tooLong;
    if (becameTooLong) {
        prompts_.notice(QStringLiteral("Text is too long, using the current font and size."));
    }
    DrawTimer_->request();
    DrawTag(design_.currentSlot());
}

void TForm1::TextBlockMemoEnter() {
    DrawTimer_->setInterval(RedrawScheduler::kTypingWait);
}

void TForm1::TextBlockMemoExit() {
    design_.TextBlockMemoExit();
    DrawTimer_->setInterval(RedrawScheduler::kNormalWait);
}

void TForm1::TextBlockPositionRadioGroupClick(bool byClick) {
    picking_.placesTextBlock = byClick;
    if (byClick && !floatingTagShowsTheTag()) {
        setActivePage(PageControl1, basicPage_);
    }
}

// The text block's typing and picking, which reach beyond the page.
void TForm1::connectTextHandlers() {
    onTyped(textBlockPage_, &TextBlockPage::textTyped,
            [this](const QString& text) { TextBlockMemoChange(text); });
    connect(textBlockPage_, &TextBlockPage::entered, this,
            [this](const QObject* memo) { guardedFrom(memo, [this] { TextBlockMemoEnter(); }); });
    connect(textBlockPage_, &TextBlockPage::left, this,
            [this](const QObject* memo) { guardedFrom(memo, [this] { TextBlockMemoExit(); }); });
    onPage(textBlockPage_, &TextBlockPage::positionPickChosen,
           [this](bool byClick) { TextBlockPositionRadioGroupClick(byClick); });
}

} // namespace veltmoor
