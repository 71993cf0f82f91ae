#include "app/ui/TForm1.h"

#include "app/ui/pages/AdvancedPage.h"
#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ColorImagePage.h"
#include "app/ui/pages/ImagesPage.h"
#include "app/ui/pages/TextBlockPage.h"

#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/ScopeExit.h"
#include "app/ui/SlotThumbnails.h"
#include "app/ui/UpDown.h"
#include "design/ColorPicking.h"
#include "design/SlotColoring.h"
#include "images/TintedCopy.h"

#include <QAction>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace veltmoor {

// ---------------------------------------------------------------------------------------
// Colouring a slot's picture on the "Color Image" page.

void TForm1::buildColoring() {
    // The page sits after "Text Block", its tab shown only while a picture is coloured.
    PageControl1->insertTab(PageControl1->indexOf(textBlockPage_) + 1,
                            colorImagePage_ = new ColorImagePage, QStringLiteral("Color Image"));
    setPageVisible(PageControl1, colorImagePage_, false);
}

bool TForm1::coloring() const {
    return PageControl1->isTabVisible(PageControl1->indexOf(colorImagePage_));
}

void TForm1::ColorImageItemClick() {
    const int slot = HoverSlot_;
    if (slot < kFirstSheetSlot || slot > kLastSheetSlot || design_.slot(slot).FileName.isEmpty()) {
        return;
    }
    DisableControls();
    PageControl2->hide();
    {
        const QSignalBlocker block(PageControl1);
        setPageVisible(PageControl1, colorImagePage_, true);
        setActivePage(PageControl1, colorImagePage_);
    }
    ColoringBitmap_.reset();
    // A preview of an earlier visit must not stand for a picture that cannot be read now.
    colorImagePage_->clearPreview();
    design_.setCurrentSlot(slot);
    SetValues();
    // The page opens on the slot's own choice, not on one tried on an earlier visit, and its
    // choice is read below, before the handler's change is announced.
    colorImagePage_->showDesign(design_);
    DrawTimer_->cancel();
    DrawTagReal();
    // The timer starts again even when the picture cannot be read: the page stays open.
    const ScopeExit restart([this] { DrawTimer_->request(); });
    TypeRadioGroupClick(colorImagePage_->coloringType());
}

void TForm1::TypeRadioGroupClick(int type) {
    PreviewColoringType_ = type;
    if (!coloring() || !isTintType(PreviewColoringType_)) {
        // Outside the page a choice only records the type for the next visit.
        return;
    }
    if (!ColoringBitmap_) {
        const img& record = design_.slot(design_.currentSlot());
        ColoringBitmap_ = pictures_.picture(record.SourceFileName, 0, 0);
    }
    colorImagePage_->showPreview(tintPreview(*ColoringBitmap_, PreviewColoringType_));
}

void TForm1::UseColoredImageButtonClick() {
    const int slot = design_.currentSlot();
    if (!ColoringBitmap_) {
        // The picture could not be read: there is nothing to use, the slot stays as it is.
        leaveColorImagePage();
        return;
    }
    // A copy that cannot be written throws before anything changed; the page stays open.
    const ColoredSlotPicture colored =
        UseColoredImage(design_, slot, PreviewColoringType_, &pictures_);
    showSlotPicture(slot, colored.picture.toBitmap(), colored.picture.width,
                    colored.picture.height);
    leaveColorImagePage();
    follow(colored.redraw);
}

void TForm1::CancelColoringButtonClick() {
    const int slot = design_.currentSlot();
    const bool wasTinted = design_.slot(slot).ColoringType != kNotTinted;
    leaveColorImagePage();
    follow(CancelColoringImage(design_, slot));
    if (wasTinted) {
        // The boxes would go on showing a tint the slot no longer has.
        const auto source =
            pictures_.picture(design_.slot(slot).SourceFileName, kThumbnailSize, kThumbnailSize);
        showSlotPicture(slot, source->bitmap, source->width, source->height);
    }
}

void TForm1::showSlotPicture(int slot, const Bitmap& picture, int width, int height) {
    SlotThumbnails_[static_cast<std::size_t>(slot)] = letterboxThumbnail(picture, width, height);
    showSlotThumbnail(slot);
}

void TForm1::leaveColorImagePage() {
    ColoringBitmap_.reset();
    EnableControls();
    PageControl2->show();
    // The unlock has brought back the page the slot's menu was opened from.
    const QSignalBlocker block(PageControl1);
    setPageVisible(PageControl1, colorImagePage_, false);
}

// ---------------------------------------------------------------------------------------
// Picking a colour, or the text block's place, by a click on the tag.

void TForm1::Image2MouseDown(QPoint position, TColor color) {
    const Point dots = previewPointToTagDots(position.x(), position.y(), design_.tagWidthDots(),
                                             design_.tagHeightDots());
    PickPoint(dots.x, dots.y, color);
}

void TForm1::PickPoint(int x, int y, TColor color) {
    guarded([&] {
        const Redraw redraw = design_.PickPoint(x, y, color, picking_);
        if (redraw == Redraw::None) {
            return;
        }
        textBlockPage_->showDesign(design_);
        follow(redraw);
    });
}

void TForm1::resetPicking() {
    picking_ = Picking{};
    advancedPage_->showColorPick(picking_.color);
    textBlockPage_->showPositionPick(picking_.placesTextBlock);
}

void TForm1::connectColorImageHandlers() {
    // The slot the mouse was last over is the one coloured, as for the menu's other items.
    onPage(imagesPage_, &ImagesPage::colorImageAsked, [this](int) { ColorImageItemClick(); });
    onPage(colorImagePage_, &ColorImagePage::typeChosen,
           [this](int type) { TypeRadioGroupClick(type); });
    onPage(colorImagePage_, &ColorImagePage::useAsked, [this] { UseColoredImageButtonClick(); });
    onPage(colorImagePage_, &ColorImagePage::cancelAsked, [this] { CancelColoringButtonClick(); });

    connect(advancedPage_, &AdvancedPage::colorPickChosen, this,
            [this](int item) { picking_.color = item; });
    connect(basicPage_, &BasicPage::tagPressed, this, [this](QPoint position, TColor color) {
        guarded([&] { Image2MouseDown(position, color); });
    });
    connect(colorImagePage_, &ColorImagePage::previewPressed, this,
            [this](QPoint position, TColor color) {
                guarded([&] { Image2MouseDown(position, color); });
            });
}

} // namespace veltmoor
