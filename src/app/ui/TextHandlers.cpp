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

void TForm1::chooseFont(TextPart part, const Font& font) {
    if (const auto chosen = prompts_.chooseFont(font)) {
        design_.setFont(part, *chosen);
        DrawTag(design_.currentSlot());
    }
}

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

// The three texts, their places and fonts.
void TForm1::connectTextHandlers() {
    // Texts.
    onTyped(textPage_, &TextPage::cornerTextTyped,
            [this](const QString& text) { follow(design_.ValueEditChange(text)); });
    onTyped(textPage_, &TextPage::edgeTextTyped,
            [this](const QString& text) { follow(design_.TextEditChange(text)); });
    onTyped(textBlockPage_, &TextBlockPage::textTyped,
            [this](const QString& text) { TextBlockMemoChange(text); });
    connect(textBlockPage_, &TextBlockPage::entered, this,
            [this](const QObject* memo) { guardedFrom(memo, [this] { TextBlockMemoEnter(); }); });
    connect(textBlockPage_, &TextBlockPage::left, this,
            [this](const QObject* memo) { guardedFrom(memo, [this] { TextBlockMemoExit(); }); });
    onPage(textPage_, &TextPage::cornerChosen, [this](int corner) {
        design_.setValuePlace(corner);
        DrawTag(design_.currentSlot());
    });
    onPage(textPage_, &TextPage::edgeChosen, [this](int edge) {
        design_.setEdgePlace(edge);
        DrawTag(design_.currentSlot());
    });
    // A new alignment shows at the next redraw; choosing it asks for none.
    onPage(textBlockPage_, &TextBlockPage::alignmentChosen,
           [this](int alignment) { design_.setTextBlockAlignment(alignment); });
    onPage(textBlockPage_, &TextBlockPage::positionPickChosen,
           [this](bool byClick) { TextBlockPositionRadioGroupClick(byClick); });
    onPage(textPage_, &TextPage::cornerFontAsked,
           [this] { chooseFont(TextPart::Value, design_.settings().valueFont); });
    onPage(textPage_, &TextPage::edgeFontAsked,
           [this] { chooseFont(TextPart::Edge, design_.settings().textFont); });
    onPage(textPage_, &TextPage::cornerColorAsked, [this] {
        SelectTextColorChoice(design_.colorChoices().value, &TagDesign::SetValueColor);
    });
    onPage(textPage_, &TextPage::edgeColorAsked, [this] {
        SelectTextColorChoice(design_.colorChoices().text, &TagDesign::SetTextColor);
    });
    onPage(textBlockPage_, &TextBlockPage::fontAsked,
           [this] { chooseFont(TextPart::TextBlock, design_.settings().textBlockFont); });
}

} // namespace veltmoor
