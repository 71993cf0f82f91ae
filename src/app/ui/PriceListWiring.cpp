#include "app/ui/PriceListCommands.h"
#include "app/ui/TForm1.h"

#include <QLabel>

namespace veltmoor {

// The price list's commands, given what they reach of the window.
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
    window.lock = [this](bool locked) { locked ? DisableControls() : EnableControls(); };
    window.status = [this](const QString& text) { statusPanels[0]->setText(text); };
    priceList_ =
        new PriceListCommands(std::move(window), FileMenu, ExitItem, PreviewTabSheet, this);
}

} // namespace veltmoor
