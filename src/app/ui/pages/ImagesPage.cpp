#include "app/ui/pages/ImagesPage.h"

#include "app/ui/DesignEditor.h"
#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/DesignChange.h"
#include "design/TagDesign.h"
#include "platform/Bitmap.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

namespace {
std::size_t at(int slot) {
    return static_cast<std::size_t>(slot);
}
bool isSlot(int slot) {
    return slot >= 1 && slot <= 9;
}
} // namespace

ImagesPage::ImagesPage(DesignEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("Images01to15TabSheet"));
    auto* page = this;
    auto* layout = new QHBoxLayout(page);
    compact(layout);

    SlotImagesGroupBox =
        makeGroup(QStringLiteral("SlotImagesGroupBox"),
                  QStringLiteral("Tag Images 1 to 9 (right click to change image)"), page);
    auto* grid = new QGridLayout(SlotImagesGroupBox);
    compact(grid);
    for (int slot = 1; slot <= 9; ++slot) {
        PictureBox* box = makeBox(QStringLiteral("c%1Image").arg(slot, 2, 10, QLatin1Char('0')),
                                  kBoxSize, SlotImagesGroupBox);
        box->setFocusPolicy(Qt::StrongFocus);
        slotBoxes[at(slot)] = box;
        grid->addWidget(box, (slot - 1) / 3, (slot - 1) % 3);
        connect(box, &PictureBox::mouseMoved, this, [this, slot] { emit slotHovered(slot); });
        connect(box, &PictureBox::clicked, this, [this, slot] { emit slotClicked(slot); });
        connect(box, &PictureBox::rightClicked, this,
                [this, slot](QPoint where) { emit slotMenuAsked(slot, where); });
    }
    layout->addWidget(SlotImagesGroupBox, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    WhichGroupBox = makeGroup(QStringLiteral("WhichGroupBox"),
                              QStringLiteral("Select the image/images to change"), page);
    setHint(WhichGroupBox, kWhichHint);
    auto* which = new QGridLayout(WhichGroupBox);
    compact(which);
    for (int slot = 1; slot <= 9; ++slot) {
        QCheckBox* box = makeCheckBox(QStringLiteral("CheckBox%1").arg(slot),
                                      QStringLiteral(" &%1").arg(slot), WhichGroupBox);
        box->setChecked(true);
        slotCheckBoxes[at(slot)] = box;
        which->addWidget(box, (slot - 1) / 3, (slot - 1) % 3);
        changeOn(editor_, box, &QCheckBox::toggled, this, [box, slot](TagDesign& design) {
            design.setSlotChecked(slot, box->isChecked());
            return Redraw::None;
        });
    }
    Button1 =
        makeButton(QStringLiteral("Button1"), QStringLiteral("Select &All Images"), WhichGroupBox);
    Button2 = makeButton(QStringLiteral("Button2"), QStringLiteral("U&nselect 2-9, select 1"),
                         WhichGroupBox);
    which->addWidget(Button1, 3, 0, 1, 3);
    which->addWidget(Button2, 4, 0, 1, 3);
    connect(Button1, &QPushButton::clicked, this,
            [this] { checkSlots(Button1, [](int) { return true; }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { checkSlots(Button2, [](int slot) { return slot == 1; }); });
    right->addWidget(WhichGroupBox);

    ImageChangeMemo = new QPlainTextEdit(page);
    ImageChangeMemo->setObjectName(QStringLiteral("ImageChangeMemo"));
    ImageChangeMemo->setReadOnly(true);
    ImageChangeMemo->setFocusPolicy(Qt::NoFocus);
    ImageChangeMemo->setPlainText(QStringLiteral(
        "The checked images are changed by:\n"
        "Corner Text - Corner Text Color\n"
        "Text for Tag - Text for Tag Color\n"
        "Text Block - Text Block Color \n"
        "Background Color - Cut Line Color\n"
        "Image Size \n"
        "Image Offset (Horizontal and Vertical)\n"
        "The text position, font, font size, font styles, tag shape and hole are the same "
        "for all tags."));
    right->addWidget(ImageChangeMemo, 1);
    layout->addLayout(right, 1);

    for (int slot = 1; slot <= 9; ++slot) {
        buildSlotMenu(slot);
    }
}

void ImagesPage::buildSlotMenu(int slot) {
    const QString two = QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Image%1PopupMenu").arg(two));
    // The names the menu entries have always had, irregular as they are.
    QString openName = QStringLiteral("SelectImage%1Item").arg(two);
    if (slot == 2) {
        openName = QStringLiteral("SelectImage02");
    } else if (slot == 6) {
        openName = QStringLiteral("OpenImage06Item");
    }
    const auto item = [this, menu, slot](const QString& name, const QString& caption,
                                         void (ImagesPage::*asked)(int)) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, slot, asked] { emit(this->*asked)(slot); });
        return action;
    };
    openImageItems[at(slot)] =
        item(openName, QStringLiteral("&Open Image..."), &ImagesPage::openImageAsked);
    menu->addSeparator();
    showTagItems[at(slot)] = item(QStringLiteral("ShowImage%1Item").arg(slot),
                                  QStringLiteral("&Show Tag"), &ImagesPage::showTagAsked);
    colorImageItems[at(slot)] = item(QStringLiteral("ColorImage%1Item").arg(two),
                                     QStringLiteral("&Color Image"), &ImagesPage::colorImageAsked);
    if (slot >= 2) {
        menu->addSeparator();
        deleteItems[at(slot)] =
            item(QStringLiteral("DeleteImage%1Item").arg(two), QStringLiteral("&Delete Image"),
                 &ImagesPage::deleteImageAsked);
    }
    slotMenus[at(slot)] = menu;
}

bool ImagesPage::showsChange(const DesignChange& change) {
    using A = DesignAspect;
    return change.changedAny({A::TagsChecked});
}

void ImagesPage::checkSlots(const QObject* control, const std::function<bool(int)>& checked) {
    editor_.change(control, [&](TagDesign& design) {
        for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
            design.setSlotChecked(slot, checked(slot));
        }
        return Redraw::None;
    });
}

void ImagesPage::showDesign(const TagDesign& design) {
    for (int slot = 1; slot <= 9; ++slot) {
        QCheckBox* box = slotCheckBoxes[at(slot)];
        const QSignalBlocker block(box);
        box->setChecked(design.isSlotChecked(slot));
    }
}

void ImagesPage::showSlotThumbnail(int slot, const Bitmap& thumbnail) {
    if (!isSlot(slot)) {
        return;
    }
    slotBoxes[at(slot)]->showBitmap(thumbnail);
}

void ImagesPage::setSlotHint(int slot, const QString& hint) {
    if (!isSlot(slot)) {
        return;
    }
    setHint(slotBoxes[at(slot)], hint);
}

void ImagesPage::offerSlotMenu(int slot, bool hasPicture) {
    if (!isSlot(slot)) {
        return;
    }
    openImageItems[at(slot)]->setEnabled(true);
    showTagItems[at(slot)]->setEnabled(hasPicture);
    colorImageItems[at(slot)]->setEnabled(hasPicture);
    if (QAction* remove = deleteItems[at(slot)]) {
        remove->setEnabled(hasPicture);
    }
}

void ImagesPage::popupSlotMenu(int slot, QPoint globalPosition) {
    if (!isSlot(slot)) {
        return;
    }
    slotMenus[at(slot)]->popup(globalPosition);
}

int ImagesPage::slotOfBox(const QWidget* widget) const {
    for (int slot = 1; slot <= 9; ++slot) {
        if (widget != nullptr && widget == slotBoxes[at(slot)]) {
            return slot;
        }
    }
    return 0;
}

} // namespace veltmoor
