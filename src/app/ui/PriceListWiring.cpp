#include "app/ui/PriceListCommands.h"
#include "app/ui/TForm1.h"
#include "app/ui/pages/PreviewPage.h"

#include <QLabel>

namespace veltmoor {

// The price list's commands, given what they reach of the window; the "Preview" page shows
// their sheet's number and goes from sheet to sheet through them.
void TForm1::buildPriceListCommands() {
    PriceListWindow window;
    window.prompts = &prompts_;
    window.design = &design_;
    window.pictures = &pictures_;
    window.page = [this] { return printerMetrics_.pageMetrics(); };
    window.printSheets = services_.printSheets;
    window.guarded = [this](const std::function<void()>& handler) { guarded(handler); };
    window.showPreview = [this] {
        if (sheetCommandsWanted_) {
            PreviewButtonClick();
        }
    };
    window.showSheetNumber = [this](int shown, int count) {
        previewPage_->showSheetNumber(shown, count);
    };
    window.hideSheetNumber = [this] { previewPage_->hideSheetNumber(); };
    window.lock = [this](bool locked) { locked ? DisableControls() : EnableControls(); };
    window.status = [this](const QString& text) { statusPanels[0]->setText(text); };
    priceList_ = new PriceListCommands(std::move(window), FileMenu, ExitItem, this);
    onPage(previewPage_, &PreviewPage::previousSheetAsked,
           [this] { priceList_->PreviousSheetButtonClick(); });
    onPage(previewPage_, &PreviewPage::nextSheetAsked,
           [this] { priceList_->NextSheetButtonClick(); });
}

} // namespace veltmoor
