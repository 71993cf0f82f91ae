#include "app/ui/TForm1.h"

#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ControlPage.h"
#include "app/ui/pages/ImagesPage.h"

#include "app/ui/PictureBox.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/SlotThumbnails.h"
#include "app/ui/WindowTexts.h"
#include "design/SlotPicture.h"
#include "platform/PictureFile.h"

#include <QDir>

namespace veltmoor {

using namespace window;

void TForm1::MakeSlotPlaceholders(int first, int last, const QString& word, int firstNumber) {
    for (int slot = first; slot <= last; ++slot) {
        const int number = firstNumber + (slot - first);
        SlotHints_[static_cast<std::size_t>(slot)] = placeholderHint(word, number);
        SlotThumbnails_[static_cast<std::size_t>(slot)] = placeholderThumbnail(number);
    }
}

void TForm1::showSlotThumbnail(int slot) {
    if (slot < 1 || slot > 9) {
        return;
    }
    const Bitmap& thumbnail = SlotThumbnails_[static_cast<std::size_t>(slot)];
    imagesPage_->showSlotThumbnail(slot, thumbnail);
    basicPage_->showMirror(slot, thumbnail);
}

bool TForm1::LoadSlotPicture(int slot) {
    const img& record = design_.slot(slot);
    std::optional<QString> chosen = prompts_.openPicture(
        QStringLiteral("Select image file for Tag %1").arg(slot), QDir::currentPath());
    if (!chosen) {
        if (slot != kFirstSheetSlot || !record.FileName.isEmpty()) {
            // Cancelling keeps the slot as it was; "Delete Image" is how a picture goes.
            return false;
        }
        // The first tag always gets a picture, so that there is a tag to design.
        chosen = writeBlankFirstPicture();
    }
    recordSlotPicture(slot, *chosen);
    return true;
}

void TForm1::recordSlotPicture(int slot, const QString& path) {
    const DecodedPicture picture =
        chooseSlotPicture(design_, slot, path, {kThumbnailSize, kThumbnailSize});
    SlotThumbnails_[static_cast<std::size_t>(slot)] =
        letterboxThumbnail(picture.bitmap, picture.width, picture.height);
    if (slot == kFirstSheetSlot) {
        // The first picture applies the tag size.
        DrawTag(design_.currentSlot());
    }
    advanceHelp(kHelpSelectImage, kHelpSelectShape);
}

void TForm1::givePicture(int slot, const QString& path) {
    recordSlotPicture(slot, path);
    showSlotThumbnail(slot);
    if (slot == kFirstSheetSlot) {
        setSheetCommandsEnabled(true);
    }
    design_.setCurrentSlot(slot);
    DrawTagReal();
}

void TForm1::SlotImageClick(int slot) {
    if (design_.slot(slot).FileName.isEmpty()) {
        LoadSlotPicture(slot);
        showSlotThumbnail(slot);
        if (slot == kFirstSheetSlot) {
            setSheetCommandsEnabled(true);
        }
    }
    design_.setCurrentSlot(slot);
    DrawTagReal();
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, basicPage_);
    }
}

void TForm1::OpenImageItemClick(int slot) {
    LoadSlotPicture(slot);
    showSlotThumbnail(slot);
    if (slot == kFirstSheetSlot) {
        setSheetCommandsEnabled(true);
    }
    design_.setCurrentSlot(HoverSlot_);
    SetValues();
    if (slot == kFirstSheetSlot) {
        DrawTimer_->cancel();
        DrawTagReal();
        DrawTimer_->request();
    } else {
        DrawTagReal();
    }
}

void TForm1::ShowImage1ItemClick() {
    if (!floatingTagShowsTheTag()) {
        setActivePage(PageControl1, basicPage_);
    }
    design_.setCurrentSlot(HoverSlot_);
    SetValues();
    DrawTagReal();
}

void TForm1::DeleteImageItemClick(int slot) {
    design_.deleteSlotPicture(slot);
    MakeSlotPlaceholders(slot, slot, QStringLiteral("Tag"), slot);
    // The box keeps the hint it was given at start.
    showSlotThumbnail(slot);
}

void TForm1::ImagePopupMenuPopup(int slot) {
    const int hover = HoverSlot_;
    if (hover != slot) {
        prompts_.message(QStringLiteral("Error"));
    }
    const bool hasPicture =
        hover >= 0 && hover <= kLastInitialisedSlot && !design_.slot(hover).FileName.isEmpty();
    imagesPage_->offerSlotMenu(slot, hasPicture);
}

void TForm1::SlotImageMouseMove(int slot) {
    HoverSlot_ = slot;
}

void TForm1::setSheetCommandsEnabled(bool enabled) {
    sheetCommandsWanted_ = enabled;
    controlPage_->offerSheetCommands(enabled, printCommandsConnected_);
}

// The picture boxes with their mirrors and menus.
void TForm1::connectSlotHandlers() {
    // The menu opens outside the handler, as it stays open after it.
    const auto openSlotMenu = [this](int slot, QPoint where) {
        guarded([this, slot] { ImagePopupMenuPopup(slot); });
        imagesPage_->popupSlotMenu(slot, where);
    };
    onPage(imagesPage_, &ImagesPage::slotHovered, [this](int slot) { SlotImageMouseMove(slot); });
    onPage(imagesPage_, &ImagesPage::slotClicked, [this](int slot) { SlotImageClick(slot); });
    connect(imagesPage_, &ImagesPage::slotMenuAsked, this, openSlotMenu);
    onPage(imagesPage_, &ImagesPage::openImageAsked,
           [this](int slot) { OpenImageItemClick(slot); });
    onPage(imagesPage_, &ImagesPage::showTagAsked, [this](int) { ShowImage1ItemClick(); });
    onPage(imagesPage_, &ImagesPage::deleteImageAsked,
           [this](int slot) { DeleteImageItemClick(slot); });

    // The slots' boxes on "Basic" stand for the slots' own boxes, menu and all.
    onPage(basicPage_, &BasicPage::slotHovered, [this](int slot) { SlotImageMouseMove(slot); });
    onPage(basicPage_, &BasicPage::slotClicked, [this](int slot) { SlotImageClick(slot); });
    connect(basicPage_, &BasicPage::slotMenuAsked, this, openSlotMenu);
}

} // namespace veltmoor
