#include "app/ui/TForm1.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/PictureBox.h"
#include "app/ui/PriceListCommands.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/ScopeExit.h"
#include "app/ui/UpDown.h"
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
    PageControl1->insertTab(PageControl1->indexOf(AboutTabSheet), buildPreviewPage(),
                            QStringLiteral("Preview"));
    setPageVisible(PageControl1, PreviewTabSheet, false);
    buildExportItems();
    buildPriceListCommands();
}

void TForm1::forgetSheet() {
    SheetBitmap_ = Bitmap();
    // Hiding the page is the window's doing, not the user's choice of page.
    const QSignalBlocker block(PageControl1);
    setPageVisible(PageControl1, PreviewTabSheet, false);
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
    PreviewImage->clearPicture(clAqua);
    forgetSheet();
    const PageMetrics page = printerMetrics_.pageMetrics();
    if (priceList_->inUse()) {
        SheetBitmap_ = priceList_->composeShownSheet();
    } else {
        priceList_->showPlainSheet();
        RefreshTessels(design_, page, pictures_);
        // The marks for a cutting machine, when chosen, are part of the sheet as printed.
        SheetBitmap_ = composeSheet(design_.Slots, sheetPlanFor(design_, page),
                                    design_.TagWidthDots, design_.TagHeightDots);
    }
    PreviewImage->showBitmap(
        renderSheetPreview(SheetBitmap_, PreviewImage->width(), PreviewImage->height()));
}

void TForm1::PreviewButtonClick() {
    // A change still waiting for its redraw would hide the preview the moment it is shown.
    redrawIfPending();
    const BusyCursor busy;
    design_.renderMode = RenderMode::Preview;
    const ScopeExit single([this] { design_.renderMode = RenderMode::Single; });
    PrintPreview();
    setPageVisible(PageControl1, PreviewTabSheet, true);
    setActivePage(PageControl1, PreviewTabSheet);
}

void TForm1::PreviewTesselButtonClick() {
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
    const PicturedSlots pictured = PicturedSlots::fromSlots(design_.Slots);
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (pictured.holds(slot)) {
            design_.CurrentSlot = slot;
            DrawTagReal();
            prompts_.message(QStringLiteral("Display Next Tag"));
        }
    }
}

void TForm1::DisableControls() {
    PrinterSetupButton->setEnabled(false);
    FileMenu->menuAction()->setEnabled(false);
    MinimizeMenu->setEnabled(false);
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label2, CopiesEdit, CopiesUpDown, PreviewTesselButton, PreviewButton, PrintButton,
             GroupBox1, BorderRadioGroup, TypeOfPageRadioGroup}) {
        control->setEnabled(false);
    }
    const QSignalBlocker block(PageControl1);
    for (QWidget* page : {Images01to15TabSheet, Text2TabSheet, AboutTabSheet, StandardTabSheet}) {
        setPageVisible(PageControl1, page, false);
    }
    if (!floatingTagShowsTheTag()) {
        // Its tab is hidden, but its page stands in front while the work runs.
        setActivePage(PageControl1, AboutTabSheet);
    }
}

void TForm1::EnableControls() {
    {
        const QSignalBlocker block(PageControl1);
        for (QWidget* page :
             {Images01to15TabSheet, Text2TabSheet, AboutTabSheet, StandardTabSheet}) {
            setPageVisible(PageControl1, page, true);
        }
    }
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, StandardTabSheet);
    }
    FileMenu->menuAction()->setEnabled(true);
    MinimizeMenu->setEnabled(true);
    PrinterSetupButton->setEnabled(printCommandsConnected_);
    for (QWidget* control : std::initializer_list<QWidget*>{Label2, CopiesEdit, CopiesUpDown,
                                                            PreviewButton, PreviewTesselButton}) {
        control->setEnabled(true);
    }
    PrintButton->setEnabled(printCommandsConnected_);
    for (QWidget* control :
         std::initializer_list<QWidget*>{GroupBox1, BorderRadioGroup, TypeOfPageRadioGroup}) {
        control->setEnabled(true);
    }
}

void TForm1::connectSheetOutputHandlers() {
    connectSheetCommands();
    connectPrintCommands();
    connectExportCommands();
}

// "Preview Sheet" and "Preview Tags"; printing connects its own.
void TForm1::connectSheetCommands() {
    on(PreviewButton, &QPushButton::clicked, [this] { PreviewButtonClick(); });
    on(PreviewTesselButton, &QPushButton::clicked, [this] { PreviewTesselButtonClick(); });
}

} // namespace veltmoor
