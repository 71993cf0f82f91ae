#include "app/ui/pages/BasicPage.h"

#include "app/ui/DesignEditor.h"
#include "app/ui/HelpStepRules.h"
#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/DesignChange.h"
#include "design/TagDesign.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

BasicPage::BasicPage(DesignEditor& editor, bool floatingTagAvailable, QWidget* parent)
    : NumbersPage(parent), editor_(editor) {
    setObjectName(QStringLiteral("StandardTabSheet"));
    auto* layout = new QHBoxLayout(this);
    compact(layout);
    auto* left = new QVBoxLayout;
    left->setSpacing(1);
    buildTagView(left);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(1);
    buildMirrors(right);
    BorderRadioGroup = makeRadioGroup(QStringLiteral("BorderRadioGroup"),
                                      QStringLiteral("Type of Cut Line for each Tag"),
                                      {QStringLiteral("None"), QStringLiteral("Thin")}, 2, this);
    setHint(BorderRadioGroup, kCutLineHint);
    buildColours();
    buildSize();
    auto* settingsRow = new QHBoxLayout;
    settingsRow->setSpacing(2);
    settingsRow->addWidget(SelectColorsGroupBox);
    settingsRow->addWidget(TesselSizeGroupBox);
    right->addLayout(settingsRow);
    right->addWidget(BorderRadioGroup);
    right->addLayout(buildOptions(floatingTagAvailable));
    right->addStretch(1);
    layout->addLayout(right);
    connectControls();
}

void BasicPage::buildTagView(QLayout* layout) {
    Image2 = makeBox(QStringLiteral("Image2"), kPreviewSize, this);
    Image2->clearPicture(clBtnFace);
    setHint(Image2, QStringLiteral("Each tag is displayed while it is the selected image, or if "
                                   "\"Preview Tags\" was selected."));
    TesselSizeLabel = new QLabel(this);
    TesselSizeLabel->setObjectName(QStringLiteral("TesselSizeLabel"));
    setHint(TesselSizeLabel,
            QStringLiteral("This is the size in inches of each tessel, all tessels are the same "
                           "size, even if the images are different sizes"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFixedWidth(kPreviewSize);
    layout->addWidget(Image2);
    layout->addWidget(TesselSizeLabel);
    layout->addWidget(Label3);
    static_cast<QVBoxLayout*>(layout)->addStretch(1);
}

void BasicPage::buildMirrors(QLayout* layout) {
    GroupBox1 = makeGroup(QStringLiteral("GroupBox1"),
                          QStringLiteral("Tags Images 1 to 4 (right click to change)"), this);
    auto* grid = new QGridLayout(GroupBox1);
    compact(grid);
    const std::array<const char*, 4> names{"AImage", "BImage", "cImage", "DImage"};
    for (int index = 0; index < 4; ++index) {
        PictureBox* mirror =
            makeBox(QLatin1String(names[static_cast<std::size_t>(index)]), kBoxSize, GroupBox1);
        mirror->setFocusPolicy(Qt::StrongFocus);
        setHint(mirror, kMirrorHint.arg(index + 1));
        grid->addWidget(mirror, index / 2, index % 2);
        mirrors_[static_cast<std::size_t>(index)] = mirror;
    }
    GroupBox1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(GroupBox1);
}

void BasicPage::buildColours() {
    SelectColorsGroupBox =
        makeGroup(QStringLiteral("SelectColorsGroupBox"), QStringLiteral("Select Colors"), this);
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
    SelectColorsGroupBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void BasicPage::buildSize() {
    TesselSizeGroupBox =
        makeGroup(QStringLiteral("TesselSizeGroupBox"), QStringLiteral("Tag Size (inches)"), this);
    auto* size = new QVBoxLayout(TesselSizeGroupBox);
    compact(size);
    QWidget* box = TesselSizeGroupBox;
    QLineEdit* width = makeEdit(QStringLiteral("WidthEdit"), box);
    UpDown* widthUpDown = makeUpDown(QStringLiteral("WidthUpDown"), kTagSizeRange, 200, box);
    QLineEdit* height = makeEdit(QStringLiteral("HeightEdit"), box);
    UpDown* heightUpDown = makeUpDown(QStringLiteral("HeightUpDown"), kTagSizeRange, 400, box);
    size->addWidget(fieldRow(QStringLiteral("&Width"), width, widthUpDown, box));
    size->addWidget(fieldRow(QStringLiteral("&Height"), height, heightUpDown, box));
    addNumber(SizeField::TagWidth, width, widthUpDown);
    addNumber(SizeField::TagHeight, height, heightUpDown);
    TesselSizeGroupBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

QLayout* BasicPage::buildOptions(bool floatingTagAvailable) {
    auto* boxes = new QGridLayout;
    boxes->setSpacing(0);
    NoHoleCheckBox =
        makeCheckBox(QStringLiteral("NoHoleCheckBox"), QStringLiteral("No Hole"), this);
    BlankCheckBox =
        makeCheckBox(QStringLiteral("BlankCheckBox"), QStringLiteral("Blank Sheet"), this);
    FloatingTagCheckBox =
        makeCheckBox(QStringLiteral("FloatingTagCheckBox"), QStringLiteral("Floating Tag"), this);
    FloatingTagCheckBox->setChecked(true);
    // Without the floating window the tag is only seen on "Basic", so the window goes
    // there as it would with the box cleared.
    FloatingTagCheckBox->setEnabled(floatingTagAvailable);
    AddressLabelsCheckBox = makeCheckBox(QStringLiteral("AddressLabelsCheckBox"),
                                         QStringLiteral("Address Labels"), this);
    setHint(AddressLabelsCheckBox,
            QStringLiteral("If checked, will reset the various size and options to print a "
                           "return address label, with a picture."));
    HelpCheckBox = makeCheckBox(QStringLiteral("HelpCheckBox"), QStringLiteral("Help"), this);
    HelpCheckBox->setChecked(true);
    boxes->addWidget(NoHoleCheckBox, 0, 0);
    boxes->addWidget(BlankCheckBox, 0, 1);
    boxes->addWidget(HelpCheckBox, 0, 2);
    boxes->addWidget(FloatingTagCheckBox, 1, 0);
    boxes->addWidget(AddressLabelsCheckBox, 1, 1, 1, 2);
    return boxes;
}

// Showing the design blocks the controls' signals, so only the user's changes get here.
void BasicPage::connectDesignChanges() {
    changeOn(editor_, BorderRadioGroup, &RadioGroup::clicked, this, [this](TagDesign& design) {
        return design.setCutLineType(BorderRadioGroup->itemIndex());
    });
    changeOn(editor_, SelectBorderColorButton, &QPushButton::clicked, this,
             [this](TagDesign& design) {
                 return askColor(editor_.prompts(), design, design.colorChoices().cutLine,
                                 &TagDesign::SetBorderColors);
             });
    changeOn(editor_, SelectBackgoundColorButton, &QPushButton::clicked, this,
             [this](TagDesign& design) {
                 return askColor(editor_.prompts(), design, design.colorChoices().background,
                                 &TagDesign::SetBgColors);
             });
    changeOn(editor_, NoHoleCheckBox, &QCheckBox::toggled, this,
             [this](TagDesign& design) { return design.setNoHole(NoHoleCheckBox->isChecked()); });
    changeOn(editor_, BlankCheckBox, &QCheckBox::toggled, this, [this](TagDesign& design) {
        return design.setBlankSheet(BlankCheckBox->isChecked());
    });
}

void BasicPage::connectControls() {
    connect(BorderRadioGroup, &RadioGroup::clicked, this, &BasicPage::cutLineChosen);
    connectDesignChanges();
    connect(FloatingTagCheckBox, &QCheckBox::toggled, this, &BasicPage::floatingTagToggled);
    connect(AddressLabelsCheckBox, &QCheckBox::toggled, this, &BasicPage::addressLabelsToggled);
    connect(HelpCheckBox, &QCheckBox::toggled, this, &BasicPage::helpToggled);
    connect(Image2, &PictureBox::pressed, this,
            [this](QPoint position) { emit tagPressed(position, Image2->colorAt(position)); });
    for (int slot = 1; slot <= 4; ++slot) {
        PictureBox* mirror = mirrorOf(slot);
        connect(mirror, &PictureBox::mouseMoved, this, [this, slot] { emit slotHovered(slot); });
        connect(mirror, &PictureBox::clicked, this, [this, slot] { emit slotClicked(slot); });
        connect(mirror, &PictureBox::rightClicked, this,
                [this, slot](QPoint where) { emit slotMenuAsked(slot, where); });
    }
}

PictureBox* BasicPage::mirrorOf(int slot) const {
    return slot >= 1 && slot <= 4 ? mirrors_[static_cast<std::size_t>(slot - 1)] : nullptr;
}

bool BasicPage::showsChange(const DesignChange& change) {
    using A = DesignAspect;
    return change.changedAny(
        {A::TagSize, A::CutLine, A::NoHole, A::BlankSheet, A::FloatingTag, A::AddressLabels});
}

void BasicPage::showDesign(const TagDesign& design) {
    const QSignalBlocker border(BorderRadioGroup);
    const QSignalBlocker noHole(NoHoleCheckBox);
    const QSignalBlocker blank(BlankCheckBox);
    const QSignalBlocker floating(FloatingTagCheckBox);
    BorderRadioGroup->setItemIndex(design.settings().cutLineType);
    NoHoleCheckBox->setChecked(design.settings().hole.noHole);
    BlankCheckBox->setChecked(design.settings().blankSheet);
    FloatingTagCheckBox->setChecked(design.floatingTag());
    showAddressLabels(design);
    showNumber(SizeField::TagWidth, design.tagSize().widthHundredths,
               tagSizeInchText(design.tagSize().widthHundredths));
    showNumber(SizeField::TagHeight, design.tagSize().heightHundredths,
               tagSizeInchText(design.tagSize().heightHundredths));
}

void BasicPage::showAddressLabels(const TagDesign& design) {
    const QSignalBlocker block(AddressLabelsCheckBox);
    AddressLabelsCheckBox->setChecked(design.addressLabels());
}

void BasicPage::showTag(const QImage& tag, const QRect& where) {
    Image2->showPicture(tag, where, clBtnFace);
}

void BasicPage::showTagLabels(const QString& pictureLabel, const QString& sizeLabel) {
    Label3->setText(pictureLabel);
    TesselSizeLabel->setText(sizeLabel);
}

void BasicPage::showMirror(int slot, const Bitmap& thumbnail) {
    if (PictureBox* mirror = mirrorOf(slot)) {
        mirror->showBitmap(thumbnail);
    }
}

int BasicPage::slotShownBy(const QWidget* widget) const {
    for (int slot = 1; slot <= 4; ++slot) {
        if (widget != nullptr && widget == mirrorOf(slot)) {
            return slot;
        }
    }
    return 0;
}

void BasicPage::showAllMirrors() {
    GroupBox1->show();
    for (PictureBox* mirror : mirrors_) {
        mirror->show();
    }
}

void BasicPage::setSheetControlsEnabled(bool enabled) {
    GroupBox1->setEnabled(enabled);
    BorderRadioGroup->setEnabled(enabled);
}

void BasicPage::uncheckFloatingTag() {
    FloatingTagCheckBox->setChecked(false);
}

void BasicPage::uncheckHelp() {
    HelpCheckBox->setChecked(false);
}

bool BasicPage::floatingTagChecked() const {
    return FloatingTagCheckBox->isChecked();
}

bool BasicPage::helpChecked() const {
    return HelpCheckBox->isChecked();
}

void BasicPage::addHelpRules(HelpStepRules& rules) const {
    rules.onMouseOver(TesselSizeGroupBox, kHelpChangeSize);
    // The colour buttons finish the cut line too, for a user who went straight to them.
    rules.onMouseOver(SelectColorsGroupBox, kHelpCutLine);
    rules.onMouseOver(SelectColorsGroupBox, kHelpColors);
}

} // namespace veltmoor
