#include "app/ui/TForm1.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

QWidget* TForm1::buildImagesPage() {
    Images01to15TabSheet = new QWidget;
    Images01to15TabSheet->setObjectName(QStringLiteral("Images01to15TabSheet"));
    auto* page = Images01to15TabSheet;
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
        slotBoxes[static_cast<std::size_t>(slot)] = box;
        grid->addWidget(box, (slot - 1) / 3, (slot - 1) % 3);
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
        slotCheckBoxes[static_cast<std::size_t>(slot)] = box;
        which->addWidget(box, (slot - 1) / 3, (slot - 1) % 3);
    }
    Button1 =
        makeButton(QStringLiteral("Button1"), QStringLiteral("Select &All Images"), WhichGroupBox);
    Button2 = makeButton(QStringLiteral("Button2"), QStringLiteral("U&nselect 2-9, select 1"),
                         WhichGroupBox);
    which->addWidget(Button1, 3, 0, 1, 3);
    which->addWidget(Button2, 4, 0, 1, 3);
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
    return page;
}

void TForm1::buildSlotMenu(int slot) {
    const auto index = static_cast<std::size_t>(slot);
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
    openImageItems[index] = menu->addAction(QStringLiteral("&Open Image..."));
    openImageItems[index]->setObjectName(openName);
    menu->addSeparator();
    showTagItems[index] = menu->addAction(QStringLiteral("&Show Tag"));
    showTagItems[index]->setObjectName(QStringLiteral("ShowImage%1Item").arg(slot));
    colorImageItems[index] = menu->addAction(QStringLiteral("&Color Image"));
    colorImageItems[index]->setObjectName(QStringLiteral("ColorImage%1Item").arg(two));
    if (slot >= 2) {
        menu->addSeparator();
        deleteItems[index] = menu->addAction(QStringLiteral("&Delete Image"));
        deleteItems[index]->setObjectName(QStringLiteral("DeleteImage%1Item").arg(two));
    }
    slotMenus[index] = menu;
}

} // namespace veltmoor
