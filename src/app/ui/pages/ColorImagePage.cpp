#include "app/ui/pages/ColorImagePage.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/DesignChange.h"
#include "design/TagDesign.h"
#include "images/TintPalettes.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

ColorImagePage::ColorImagePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColorImageTabSheet"));
    auto* page = this;
    auto* layout = new QGridLayout(page);
    compact(layout);

    ColorBitMapImage = makeBox(QStringLiteral("ColorBitMapImage"), kPreviewSize, page);
    setHint(ColorBitMapImage,
            QStringLiteral("Each tag is displayed while it is the selected image, will show the "
                           "effect of the \"Type of Coloring\" selected."));
    layout->addWidget(ColorBitMapImage, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);

    QStringList types;
    for (int type = 0; type < kTintTypeCount; ++type) {
        types << tintTypeText(type);
    }
    TypeRadioGroup = makeRadioGroup(QStringLiteral("TypeRadioGroup"),
                                    QStringLiteral("Type of Coloring"), types, 1, page);
    TypeRadioGroup->setItemIndex(0);
    setHint(TypeRadioGroup, QStringLiteral("Select a color scheme to apply to the image."));
    layout->addWidget(TypeRadioGroup, 0, 1, Qt::AlignTop);

    auto* buttons = new QVBoxLayout;
    UseColoredImageButton = makeButton(QStringLiteral("UseColoredImageButton"),
                                       QStringLiteral("&Use Colored Image"), page);
    setHint(UseColoredImageButton, QStringLiteral("Click to use image as colored."));
    CancelColoringButton = makeButton(QStringLiteral("CancelColoringButton"),
                                      QStringLiteral("&Cancel Coloring Image"), page);
    setHint(CancelColoringButton,
            QStringLiteral("Click to return to \"Basic\" window and use original image."));
    buttons->addWidget(UseColoredImageButton);
    buttons->addWidget(CancelColoringButton);
    layout->addLayout(buttons, 1, 1, Qt::AlignBottom);
    layout->setColumnStretch(1, 1);

    connect(TypeRadioGroup, &RadioGroup::clicked, this,
            [this] { emit typeChosen(TypeRadioGroup->itemIndex()); });
    connect(UseColoredImageButton, &QPushButton::clicked, this, &ColorImagePage::useAsked);
    connect(CancelColoringButton, &QPushButton::clicked, this, &ColorImagePage::cancelAsked);
    connect(ColorBitMapImage, &PictureBox::pressed, this, [this](QPoint position) {
        emit previewPressed(position, ColorBitMapImage->colorAt(position));
    });
}

void ColorImagePage::showDesign(const TagDesign& design) {
    const QSignalBlocker block(TypeRadioGroup);
    TypeRadioGroup->setItemIndex(design.colorChoices().coloringType);
}

bool ColorImagePage::showsChange(const DesignChange& change) {
    return change.changed(DesignAspect::ColoringTypeChoice);
}

int ColorImagePage::coloringType() const {
    return TypeRadioGroup->itemIndex();
}

void ColorImagePage::showPreview(const Bitmap& tinted) {
    ColorBitMapImage->showBitmap(tinted);
}

void ColorImagePage::clearPreview() {
    ColorBitMapImage->clearPicture(clWhite);
}

} // namespace veltmoor
