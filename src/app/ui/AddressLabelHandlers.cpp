#include "app/ui/TForm1.h"

#include "app/ui/Prompts.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/TextBlockPage.h"

namespace veltmoor {

namespace {

const QString kAddressLabelsCaption = QStringLiteral("Return Address Labels");
const QString kAddressLabelsQuestion =
    QStringLiteral("If you continue, you will change many of your settings. So save your work "
                   "before continuing. Do you want to continue?");

} // namespace

// Turns the design into a return-address label with a picture. Clearing the box restores
// nothing; checking it again applies the preset again.
void TForm1::AddressLabelsCheckBoxClick(bool checked) {
    if (!checked) {
        design_.AddressLabelsCheckBoxClick(false);
        return;
    }
    // Once the user has worked on the sheet the preset would overwrite that work, so it
    // asks first; right after start and while a design file is read it does not.
    if (design_.addressLabelsNeedsConfirmation() &&
        !prompts_.askOkCancel(kAddressLabelsQuestion, kAddressLabelsCaption)) {
        basicPage_->showAddressLabels(design_);
        return;
    }
    DrawTimer_->cancel();
    design_.AddressLabelsCheckBoxClick(true);
    // Both size fields show the preset's size, even one the user had typed into.
    stopTyping();
    // The address is typed on "Text Block".
    setActivePage(PageControl1, textBlockPage_);
    DrawTagReal();
    DrawTimer_->request();
}

void TForm1::connectAddressLabelHandlers() {
    onPage(basicPage_, &BasicPage::addressLabelsToggled,
           [this](bool checked) { AddressLabelsCheckBoxClick(checked); });
}

} // namespace veltmoor
