#include "app/ui/TForm1.h"

#include "app/ui/pages/BasicPage.h"
#include "app/ui/pages/ControlPage.h"

#include "app/ui/PictureBox.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/SlotThumbnails.h"
#include "app/ui/WindowTexts.h"
#include "design/SlotPicture.h"
#include "platform/PictureFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>

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
    PictureBox* box = slotBoxes[static_cast<std::size_t>(slot)];
    box->showBitmap(SlotThumbnails_[static_cast<std::size_t>(slot)]);
    basicPage_->showMirror(slot, SlotThumbnails_[static_cast<std::size_t>(slot)]);
}

bool TForm1::LoadSlotPicture(int slot) {
    img& record = design_.Slots[static_cast<std::size_t>(slot)];
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
        basicPage_->showDesign(design_);
        DrawTag(design_.CurrentSlot);
    }
    advanceHelp(kHelpSelectImage, kHelpSelectShape);
}

void TForm1::givePicture(int slot, const QString& path) {
    recordSlotPicture(slot, path);
    showSlotThumbnail(slot);
    if (slot == kFirstSheetSlot) {
        setSheetCommandsEnabled(true);
    }
    design_.CurrentSlot = slot;
    DrawTagReal();
}

void TForm1::SlotImageClick(int slot) {
    if (design_.Slots[static_cast<std::size_t>(slot)].FileName.isEmpty()) {
        LoadSlotPicture(slot);
        showSlotThumbnail(slot);
        if (slot == kFirstSheetSlot) {
            setSheetCommandsEnabled(true);
        }
    }
    design_.CurrentSlot = slot;
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
    design_.CurrentSlot = HoverSlot_;
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
    design_.CurrentSlot = HoverSlot_;
    SetValues();
    DrawTagReal();
}

void TForm1::DeleteImageItemClick(int slot) {
    DeleteImage(design_, slot);
    MakeSlotPlaceholders(slot, slot, QStringLiteral("Tag"), slot);
    // The box keeps the hint it was given at start.
    showSlotThumbnail(slot);
}

void TForm1::ImagePopupMenuPopup(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    const int hover = HoverSlot_;
    if (hover != slot) {
        prompts_.message(QStringLiteral("Error"));
    }
    const bool hasPicture = hover >= 0 && hover <= kLastInitialisedSlot &&
                            !design_.Slots[static_cast<std::size_t>(hover)].FileName.isEmpty();
    openImageItems[index]->setEnabled(true);
    showTagItems[index]->setEnabled(hasPicture);
    colorImageItems[index]->setEnabled(hasPicture);
    if (deleteItems[index] != nullptr) {
        deleteItems[index]->setEnabled(hasPicture);
    }
}

void TForm1::SlotImageMouseMove(int slot) {
    HoverSlot_ = slot;
}

void TForm1::setSheetCommandsEnabled(bool enabled) {
    sheetCommandsWanted_ = enabled;
    controlPage_->offerSheetCommands(enabled, printCommandsConnected_);
}

// Which slots an edit reaches, and the picture boxes with their mirrors and menus.
void TForm1::connectSlotHandlers() {
    for (int slot = 1; slot <= 9; ++slot) {
        QCheckBox* box = slotCheckBoxes[static_cast<std::size_t>(slot)];
        on(box, &QCheckBox::toggled,
           [this, slot, box] { design_.setSlotChecked(slot, box->isChecked()); });
    }
    on(Button1, &QPushButton::clicked, [this] {
        for (int slot = 1; slot <= 9; ++slot) {
            slotCheckBoxes[static_cast<std::size_t>(slot)]->setChecked(true);
        }
    });
    on(Button2, &QPushButton::clicked, [this] {
        for (int slot = 1; slot <= 9; ++slot) {
            slotCheckBoxes[static_cast<std::size_t>(slot)]->setChecked(slot == 1);
        }
    });

    // The slots' boxes on "Basic" act as the slots' own boxes do.
    onPage(basicPage_, &BasicPage::slotHovered, [this](int slot) { SlotImageMouseMove(slot); });
    onPage(basicPage_, &BasicPage::slotClicked, [this](int slot) { SlotImageClick(slot); });
    connect(basicPage_, &BasicPage::slotMenuAsked, this, [this](int slot, QPoint where) {
        guarded([this, slot] { ImagePopupMenuPopup(slot); });
        slotMenus[static_cast<std::size_t>(slot)]->popup(where);
    });

    // Picture boxes and their menus.
    for (int slot = 1; slot <= 9; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        PictureBox* view = slotBoxes[index];
        view->setFocusPolicy(Qt::StrongFocus);
        on(view, &PictureBox::mouseMoved, [this, slot] { SlotImageMouseMove(slot); });
        on(view, &PictureBox::clicked, [this, slot] { SlotImageClick(slot); });
        connect(view, &PictureBox::rightClicked, this, [this, slot](QPoint where) {
            guarded([this, slot] { ImagePopupMenuPopup(slot); });
            slotMenus[static_cast<std::size_t>(slot)]->popup(where);
        });
        on(openImageItems[index], &QAction::triggered, [this, slot] { OpenImageItemClick(slot); });
        on(showTagItems[index], &QAction::triggered, [this] { ShowImage1ItemClick(); });
        if (deleteItems[index] != nullptr) {
            on(deleteItems[index], &QAction::triggered,
               [this, slot] { DeleteImageItemClick(slot); });
        }
    }
}

} // namespace veltmoor
