#include "app/ui/TForm1.h"

#include "app/ui/pages/AboutPage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/ImagesPage.h"
#include "app/ui/pages/PreviewPage.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/PictureBox.h"
#include "app/ui/PriceListCommands.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/ScopeExit.h"
#include "app/ui/UpDown.h"
#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/TextBlockPage.h"
#include "design/DesignComposition.h"
#include "output/SheetLayout.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace veltmoor {

void TForm1::buildSheetOutput() {
    // The "Preview" page sits just before "About", hidden until a sheet is previewed.
    previewPage_ = new PreviewPage;
    PageControl1->insertTab(PageControl1->indexOf(aboutPage_), previewPage_,
                            QStringLiteral("Preview"));
    setPageVisible(PageControl1, previewPage_, false);
    buildExportItems();
    buildPriceListCommands();
}

void TForm1::forgetSheet() {
    SheetBitmap_ = Bitmap();
    // Hiding the page is the window's doing, not the user's choice of page.
    const QSignalBlocker block(PageControl1);
    const bool inFront = PageControl1->currentWidget() == previewPage_;
    setPageVisible(PageControl1, previewPage_, false);
    if (inFront) {
        // The new tag takes the sheet's place, not whichever tab happens to lie beside it.
        setActivePage(PageControl1, basicPage_);
    }
}

void TForm1::redrawIfPending() {
    if (DrawTimer_->isPending()) {
        DrawTimer_->cancel();
        DrawTagReal();
    }
}

void TForm1::PrintPreview() {
    DisableControls();
    const ScopeExit unlock([this] { EnableControls(); });
    previewPage_->clearSheet();
    forgetSheet();
    const PageMetrics page = printerMetrics_.pageMetrics();
    if (priceList_->inUse()) {
        SheetBitmap_ = priceList_->composeShownSheet();
    } else {
        priceList_->showPlainSheet();
        RefreshTessels(design_, page, pictures_);
        // The marks for a cutting machine, when chosen, are part of the sheet as printed.
        SheetBitmap_ = composeSheet(design_.slotTable(), sheetPlanFor(design_, page),
                                    design_.tagWidthDots(), design_.tagHeightDots());
    }
    previewPage_->showSheet(SheetBitmap_);
}

void TForm1::PreviewButtonClick() {
    // A change still waiting for its redraw would hide the preview the moment it is shown.
    redrawIfPending();
    const BusyCursor busy;
    design_.setRenderMode(RenderMode::Preview);
    const ScopeExit single([this] { design_.setRenderMode(RenderMode::Single); });
    PrintPreview();
    setPageVisible(PageControl1, previewPage_, true);
    setActivePage(PageControl1, previewPage_);
}

void TForm1::PreviewTesselButtonClick() {
    // The tags are reviewed in the tag view, floating window or not: behind each message
    // the window shows the tag it asks about.
    setActivePage(PageControl1, basicPage_);
    const PicturedSlots pictured = PicturedSlots::fromSlots(design_.slotTable());
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (pictured.holds(slot)) {
            design_.setCurrentSlot(slot);
            DrawTagReal();
            prompts_.message(QStringLiteral("Display Next Tag"));
        }
    }
}

void TForm1::DisableControls() {
    controlPage_->setPrinterSetupEnabled(false);
    FileMenu->menuAction()->setEnabled(false);
    MinimizeMenu->setEnabled(false);
    controlPage_->lockSheetCommands();
    basicPage_->setSheetControlsEnabled(false);
    controlPage_->setShapeEnabled(false);
    const QSignalBlocker block(PageControl1);
    if (!lockedPages_) {
        // Only the first lock knows what the user had: a nested one sees the locked window.
        LockedPages before{PageControl1->currentWidget(), {}};
        for (QWidget* page : lockablePages()) {
            if (PageControl1->isTabVisible(PageControl1->indexOf(page))) {
                before.shown.push_back(page);
            }
        }
        lockedPages_ = before;
    }
    for (QWidget* page : lockablePages()) {
        setPageVisible(PageControl1, page, false);
    }
    if (!floatingTagShowsTheTag()) {
        // Its tab is hidden, but its page stands in front while the work runs.
        setActivePage(PageControl1, aboutPage_);
    }
}

void TForm1::EnableControls() {
    if (lockedPages_) {
        // The tabs and the page the user had come back: a welcome page that "Continue" had
        // closed stays closed, and the user stays where the command was given.
        const QSignalBlocker block(PageControl1);
        for (QWidget* page : lockedPages_->shown) {
            setPageVisible(PageControl1, page, true);
        }
        QWidget* front = lockedPages_->front;
        if (!front || !PageControl1->isTabVisible(PageControl1->indexOf(front))) {
            front = basicPage_; // the page went meanwhile (an outdated sheet preview)
        }
        setActivePage(PageControl1, front);
        lockedPages_.reset();
    }
    FileMenu->menuAction()->setEnabled(true);
    MinimizeMenu->setEnabled(true);
    controlPage_->setPrinterSetupEnabled(printCommandsConnected_);
    controlPage_->unlockSheetCommands(printCommandsConnected_);
    basicPage_->setSheetControlsEnabled(true);
    controlPage_->setShapeEnabled(true);
}

std::array<QWidget*, 4> TForm1::lockablePages() const {
    return {imagesPage_, textBlockPage_, aboutPage_, basicPage_};
}

void TForm1::connectSheetOutputHandlers() {
    connectSheetCommands();
    connectPrintCommands();
    connectExportCommands();
}

// "Preview Sheet" and "Preview Tags"; printing connects its own.
void TForm1::connectSheetCommands() {
    onPage(controlPage_, &ControlPage::previewSheetAsked, [this] { PreviewButtonClick(); });
    onPage(controlPage_, &ControlPage::previewTagsAsked, [this] { PreviewTesselButtonClick(); });
}

} // namespace veltmoor
