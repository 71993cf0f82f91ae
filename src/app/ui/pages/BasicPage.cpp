#include "app/ui/TForm1.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/NumericFields.h"
#include "render/TagSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

QWidget* TForm1::buildBasicPage() {
    StandardTabSheet = new QWidget;
    StandardTabSheet->setObjectName(QStringLiteral("StandardTabSheet"));
    auto* page = StandardTabSheet;
    auto* layout = new QHBoxLayout(page);
    compact(layout);

    auto* left = new QVBoxLayout;
    left->setSpacing(1);
    Image2 = makeBox(QStringLiteral("Image2"), kPreviewSize, page);
    Image2->clearPicture(clBtnFace);
    setHint(Image2, QStringLiteral("Each tag is displayed while it is the selected image, or if "
                                   "\"Preview Tags\" was selected."));
    TesselSizeLabel = new QLabel(page);
    TesselSizeLabel->setObjectName(QStringLiteral("TesselSizeLabel"));
    setHint(TesselSizeLabel,
            QStringLiteral("This is the size in inches of each tessel, all tessels are the same "
                           "size, even if the images are different sizes"));
    Label3 = new QLabel(page);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFixedWidth(kPreviewSize);
    left->addWidget(Image2);
    left->addWidget(TesselSizeLabel);
    left->addWidget(Label3);
    left->addStretch(1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(1);
    GroupBox1 = makeGroup(QStringLiteral("GroupBox1"),
                          QStringLiteral("Tags Images 1 to 4 (right click to change)"), page);
    auto* mirrors = new QGridLayout(GroupBox1);
    compact(mirrors);
    AImage = makeBox(QStringLiteral("AImage"), kBoxSize, GroupBox1);
    BImage = makeBox(QStringLiteral("BImage"), kBoxSize, GroupBox1);
    cImage = makeBox(QStringLiteral("cImage"), kBoxSize, GroupBox1);
    DImage = makeBox(QStringLiteral("DImage"), kBoxSize, GroupBox1);
    const std::array<PictureBox*, 4> mirrorBoxes{AImage, BImage, cImage, DImage};
    for (int index = 0; index < 4; ++index) {
        PictureBox* mirror = mirrorBoxes[static_cast<std::size_t>(index)];
        setHint(mirror, kMirrorHint.arg(index + 1));
        mirrors->addWidget(mirror, index / 2, index % 2);
    }
    GroupBox1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    right->addWidget(GroupBox1);

    BorderRadioGroup = makeRadioGroup(QStringLiteral("BorderRadioGroup"),
                                      QStringLiteral("Type of Cut Line for each Tag"),
                                      {QStringLiteral("None"), QStringLiteral("Thin")}, 2, page);
    setHint(BorderRadioGroup, kCutLineHint);

    SelectColorsGroupBox =
        makeGroup(QStringLiteral("SelectColorsGroupBox"), QStringLiteral("Select Colors"), page);
    auto* colours = new QVBoxLayout(SelectColorsGroupBox);
    compact(colours);
    SelectBorderColorButton = makeButton(QStringLiteral("SelectBorderColorButton"),
                                         QStringLiteral("C&ut Line Color"), SelectColorsGroupBox);
    setHint(SelectBorderColorButton,
            QStringLiteral("Selects the color that will be used for the cut line if one is "
                           "selected"));
    SelectBackgoundColorButton =
        makeButton(QStringLiteral("SelectBackgoundColorButton"), QStringLiteral("Backgound Colo&r"),
                   SelectColorsGroupBox);
    setHint(SelectBackgoundColorButton,
            QStringLiteral("Selects a color for the area between the image and the edge of the "
                           "tag, this will normally be white"));
    colours->addWidget(SelectBorderColorButton);
    colours->addWidget(SelectBackgoundColorButton);

    TesselSizeGroupBox =
        makeGroup(QStringLiteral("TesselSizeGroupBox"), QStringLiteral("Tag Size (inches)"), page);
    auto* size = new QVBoxLayout(TesselSizeGroupBox);
    compact(size);
    WidthEdit = makeEdit(QStringLiteral("WidthEdit"), TesselSizeGroupBox);
    WidthUpDown = makeUpDown(QStringLiteral("WidthUpDown"), kTagSizeRange, 200, TesselSizeGroupBox);
    HeightEdit = makeEdit(QStringLiteral("HeightEdit"), TesselSizeGroupBox);
    HeightUpDown =
        makeUpDown(QStringLiteral("HeightUpDown"), kTagSizeRange, 400, TesselSizeGroupBox);
    size->addWidget(fieldRow(QStringLiteral("&Width"), WidthEdit, WidthUpDown, TesselSizeGroupBox));
    size->addWidget(
        fieldRow(QStringLiteral("&Height"), HeightEdit, HeightUpDown, TesselSizeGroupBox));
    auto* settingsRow = new QHBoxLayout;
    settingsRow->setSpacing(2);
    SelectColorsGroupBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    TesselSizeGroupBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    settingsRow->addWidget(SelectColorsGroupBox);
    settingsRow->addWidget(TesselSizeGroupBox);
    right->addLayout(settingsRow);
    right->addWidget(BorderRadioGroup);

    auto* boxes = new QGridLayout;
    boxes->setSpacing(0);
    NoHoleCheckBox =
        makeCheckBox(QStringLiteral("NoHoleCheckBox"), QStringLiteral("No Hole"), page);
    BlankCheckBox =
        makeCheckBox(QStringLiteral("BlankCheckBox"), QStringLiteral("Blank Sheet"), page);
    FloatingTagCheckBox =
        makeCheckBox(QStringLiteral("FloatingTagCheckBox"), QStringLiteral("Floating Tag"), page);
    FloatingTagCheckBox->setChecked(true);
    // Without the floating window the tag is only seen on "Basic", so the window goes
    // there as it would with the box cleared.
    FloatingTagCheckBox->setEnabled(static_cast<bool>(services_.showFloatingTag));
    AddressLabelsCheckBox = makeCheckBox(QStringLiteral("AddressLabelsCheckBox"),
                                         QStringLiteral("Address Labels"), page);
    setHint(AddressLabelsCheckBox,
            QStringLiteral("If checked, will reset the various size and options to print a "
                           "return address label, with a picture."));
    HelpCheckBox = makeCheckBox(QStringLiteral("HelpCheckBox"), QStringLiteral("Help"), page);
    HelpCheckBox->setChecked(true);
    boxes->addWidget(NoHoleCheckBox, 0, 0);
    boxes->addWidget(BlankCheckBox, 0, 1);
    boxes->addWidget(HelpCheckBox, 0, 2);
    boxes->addWidget(FloatingTagCheckBox, 1, 0);
    boxes->addWidget(AddressLabelsCheckBox, 1, 1, 1, 2);
    right->addLayout(boxes);
    right->addStretch(1);
    layout->addLayout(right);
    return page;
}

} // namespace veltmoor
