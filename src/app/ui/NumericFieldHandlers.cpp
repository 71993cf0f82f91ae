#include "app/ui/TForm1.h"

#include "app/ui/UpDown.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "design/NumericFields.h"
#include "platform/Errors.h"

#include <QLineEdit>

namespace veltmoor {

void TForm1::numberTyped(Number number, const QString& text, NumericField& field) {
    try {
        applyTypedNumber(number, text);
    } catch (const UserError& error) {
        const auto* outOfRange = dynamic_cast<const ValueOutOfRange*>(&error);
        if (outOfRange && field.waitsForMore(*outOfRange)) {
            return; // the number in use stays, unasked, until the text is finished
        }
        // One message for the refused text: the field shows the number in use before the
        // message is up, so that neither closing it nor leaving the field brings it back.
        field.settle();
        showNumberInUse(number, field);
        throw;
    }
    field.settle();
}

namespace {

// What typing and stepping do to the design, for the sizes in hundredths of an inch.
struct SizeOperations {
    Redraw (TagDesign::*typed)(const QString&);
    Redraw (TagDesign::*stepped)(int);
};

SizeOperations sizeOperations(SizeField size) {
    switch (size) {
    case SizeField::TagWidth:
        return {&TagDesign::WidthEditKeyUp, &TagDesign::WidthUpDownClick};
    case SizeField::TagHeight:
        return {&TagDesign::HeightEditKeyUp, &TagDesign::HeightUpDownClick};
    case SizeField::HoleWidth:
        return {&TagDesign::HoleWidthEditKeyUp, &TagDesign::HoleWidthUpDownClick};
    case SizeField::HoleHeight:
        break;
    }
    return {&TagDesign::HoleHeightEditKeyUp, &TagDesign::HoleHeightUpDownClick};
}

} // namespace

void TForm1::applyTypedNumber(Number number, const QString& text) {
    if (const auto* percent = std::get_if<PercentField>(&number)) {
        design_.PercentEditChange(*percent, text);
        DrawTag(design_.currentSlot());
        return;
    }
    follow((design_.*sizeOperations(std::get<SizeField>(number)).typed)(text));
}

void TForm1::numberStepped(Number number, int position) {
    if (const auto* percent = std::get_if<PercentField>(&number)) {
        follow(design_.PercentUpDownClick(*percent, position));
        return;
    }
    follow((design_.*sizeOperations(std::get<SizeField>(number)).stepped)(position));
}

void TForm1::showNumberInUse(Number number, NumericField& field) {
    field.stopTyping();
    if (number == Number{SizeField::TagWidth} || number == Number{SizeField::TagHeight}) {
        design_.ApplyTagSize();
        DrawTag(design_.currentSlot()); // the size in use is applied again
    }
    showDesignNow();
}

void TForm1::stopTyping() {
    for (NumbersPage* page :
         std::initializer_list<NumbersPage*>{basicPage_, advancedPage_, textBlockPage_}) {
        page->stopTyping();
    }
}

void TForm1::connectNumbers(NumbersPage* page) {
    connect(page, &NumbersPage::numberTyped, this,
            [this](Number number, const QString& text, NumericField* field) {
                guardedFrom(field->edit(), [&] { numberTyped(number, text, *field); });
            });
    connect(page, &NumbersPage::numberStepped, this,
            [this](Number number, int position, NumericField* field) {
                guardedFrom(field->upDown(), [&] { numberStepped(number, position); });
            });
    connect(page, &NumbersPage::numberLeftOutOfRange, this,
            [this](Number number, const ValueOutOfRange& error, NumericField* field) {
                guardedFrom(field->edit(), [&] {
                    showNumberInUse(number, *field);
                    throw error;
                });
            });
}

// The tag and hole sizes, read on every key release, and the percent pairs, read on every
// change.
void TForm1::connectNumericFieldHandlers() {
    connectNumbers(basicPage_);
    connectNumbers(advancedPage_);
    connectNumbers(textBlockPage_);
}

} // namespace veltmoor
