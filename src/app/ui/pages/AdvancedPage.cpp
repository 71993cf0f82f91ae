#include "app/ui/pages/AdvancedPage.h"

#include "app/ui/HelpStepRules.h"
#include "app/ui/HintTracker.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "app/ui/WindowTexts.h"
#include "design/ColorPicking.h"
#include "design/DesignChange.h"
#include "design/TagDesign.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

AdvancedPage::AdvancedPage(QWidget* parent) : NumbersPage(parent) {
    setObjectName(QStringLiteral("AdvancedTabSheet"));
    auto* layout = new QVBoxLayout(this);
    compact(layout);
    layout->addWidget(buildHole());
    layout->addWidget(buildImageSize());
    layout->addWidget(buildImageOffsets());

    PickColorRadioGroup = makeRadioGroup(
        QStringLiteral("PickColorRadioGroup"), QStringLiteral("Pick Color from Image for"),
        {QStringLiteral("No Color Pick"), QStringLiteral("Cut Line Color"),
         QStringLiteral("Value Font Color"), QStringLiteral("Text Font Color"),
         QStringLiteral("Background Color"), QStringLiteral("Text Block Color")},
        1, this);
    PickColorRadioGroup->setItemIndex(kPickNoColor);
    setHint(PickColorRadioGroup,
            QStringLiteral("Select the button for the color you wish to change, then move the "
                           "mouse over the sample tag on the right, when you click the left mouse "
                           "button, the color will change to the color at the tip of the mouse "
                           "pointer."));
    layout->addWidget(PickColorRadioGroup);
    buildPrintImageAdjust();
    layout->addStretch(1);
    connect(PickColorRadioGroup, &RadioGroup::clicked, this,
            [this] { emit colorPickChosen(PickColorRadioGroup->itemIndex()); });
}

QGroupBox* AdvancedPage::buildHole() {
    HoleSizePlaceGroupBox = makeGroup(QStringLiteral("HoleSizePlaceGroupBox"),
                                      QStringLiteral("Hole Size/Placement"), this);
    auto* layout = new QVBoxLayout(HoleSizePlaceGroupBox);
    compact(layout);
    QWidget* box = HoleSizePlaceGroupBox;
    addNumberRow(SizeField::HoleWidth, QStringLiteral("HoleWidthEdit"), QStringLiteral("&Width"),
                 kHoleSizeRange, 12, layout, box);
    addNumberRow(SizeField::HoleHeight, QStringLiteral("HoleHeightEdit"), QStringLiteral("&Height"),
                 kHoleSizeRange, 12, layout, box);
    addNumberRow(PercentField::HoleWidthOffset, QStringLiteral("HoleWidthOffsetEdit"),
                 QStringLiteral("Width &Offset %"), kHoleWidthOffsetRange, 50, layout, box);
    addNumberRow(PercentField::HoleHeightOffset, QStringLiteral("HoleHeightOffsetEdit"),
                 QStringLiteral("Height O&ffset %"), kHoleHeightOffsetRange, 6, layout, box);
    return HoleSizePlaceGroupBox;
}

QGroupBox* AdvancedPage::buildImageSize() {
    ImageSizeGroupBox = makeGroup(QStringLiteral("ImageSizeGroupBox"),
                                  QStringLiteral("Image Size (% of Orginal)"), this);
    auto* layout = new QVBoxLayout(ImageSizeGroupBox);
    compact(layout);
    addNumberRow(PercentField::ImageSize, QStringLiteral("ImageSizeEdit"), QStringLiteral("Si&ze"),
                 kImageSizeRange, 100, layout, ImageSizeGroupBox);
    return ImageSizeGroupBox;
}

QGroupBox* AdvancedPage::buildImageOffsets() {
    ImageVertOffsetGroupBox = makeGroup(QStringLiteral("ImageVertOffsetGroupBox"),
                                        QStringLiteral("Image Offset (%)"), this);
    auto* layout = new QVBoxLayout(ImageVertOffsetGroupBox);
    compact(layout);
    addNumberRow(PercentField::ImageHorizontalOffset, QStringLiteral("ImageHorizontalOffsetEdit"),
                 QStringLiteral("Hori&zontal"), kImageOffsetRange, 50, layout,
                 ImageVertOffsetGroupBox);
    addNumberRow(PercentField::ImageVerticalOffset, QStringLiteral("ImageVerticalOffsetEdit"),
                 QStringLiteral("&Vertical"), kImageOffsetRange, 50, layout,
                 ImageVertOffsetGroupBox);
    return ImageVertOffsetGroupBox;
}

void AdvancedPage::buildPrintImageAdjust() {
    auto* adjustLabel = new QLabel(QStringLiteral("Print Image Adjust"), this);
    adjustLabel->setObjectName(QStringLiteral("PrintImageAdjustLabel"));
    adjustLabel->hide();
    QLineEdit* edit = makeEdit(QStringLiteral("PrintImageAdjustEdit"), this);
    PrintImageAdjustUpDown =
        makeUpDown(QStringLiteral("PrintImageAdjustUpDown"), kPrintImageAdjustRange, 0, this);
    PrintImageAdjustUpDown->setAssociate(edit);
    edit->hide();
    PrintImageAdjustUpDown->hide();
}

bool AdvancedPage::showsChange(const DesignChange& change) {
    using A = DesignAspect;
    return change.changedAny({A::HoleSize, A::HolePosition, A::PictureFields, A::PrintImageAdjust});
}

void AdvancedPage::showDesign(const TagDesign& design) {
    const HoleSettings& hole = design.settings().hole;
    showNumber(SizeField::HoleWidth, hole.width, holeSizeInchText(hole.width));
    showNumber(SizeField::HoleHeight, hole.height, holeSizeInchText(hole.height));
    showNumber(PercentField::HoleWidthOffset, hole.widthOffset);
    showNumber(PercentField::HoleHeightOffset, hole.heightOffset);
    showNumber(PercentField::ImageSize, design.percentPosition(PercentField::ImageSize));
    showNumber(PercentField::ImageHorizontalOffset,
               design.percentPosition(PercentField::ImageHorizontalOffset));
    showNumber(PercentField::ImageVerticalOffset,
               design.percentPosition(PercentField::ImageVerticalOffset));
    PrintImageAdjustUpDown->setPosition(design.printImageAdjust());
}

void AdvancedPage::showColorPick(int item) {
    const QSignalBlocker block(PickColorRadioGroup);
    PickColorRadioGroup->setItemIndex(item);
}

void AdvancedPage::addHelpRules(HelpStepRules& rules) const {
    for (QWidget* group : std::initializer_list<QWidget*>{HoleSizePlaceGroupBox, ImageSizeGroupBox,
                                                          ImageVertOffsetGroupBox}) {
        rules.onMouseOver(group, kHelpTryOptions);
    }
}

} // namespace veltmoor
