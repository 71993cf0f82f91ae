#include "app/ui/TForm1.h"

#include "app/ui/HintTracker.h"
#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "app/ui/WidgetFactory.h"
#include "design/NumericFields.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace veltmoor {

using namespace window;

QWidget* TForm1::buildAdvancedPage() {
    AdvancedTabSheet = new QWidget;
    AdvancedTabSheet->setObjectName(QStringLiteral("AdvancedTabSheet"));
    auto* page = AdvancedTabSheet;
    auto* layout = new QVBoxLayout(page);
    compact(layout);

    HoleSizePlaceGroupBox = makeGroup(QStringLiteral("HoleSizePlaceGroupBox"),
                                      QStringLiteral("Hole Size/Placement"), page);
    auto* hole = new QVBoxLayout(HoleSizePlaceGroupBox);
    compact(hole);
    QWidget* box = HoleSizePlaceGroupBox;
    HoleWidthEdit = makeEdit(QStringLiteral("HoleWidthEdit"), box);
    HoleWidthUpDown = makeUpDown(QStringLiteral("HoleWidthUpDown"), kHoleSizeRange, 12, box);
    HoleHeightEdit = makeEdit(QStringLiteral("HoleHeightEdit"), box);
    HoleHeightUpDown = makeUpDown(QStringLiteral("HoleHeightUpDown"), kHoleSizeRange, 12, box);
    HoleWidthOffsetEdit = makeEdit(QStringLiteral("HoleWidthOffsetEdit"), box);
    HoleWidthOffsetUpDown =
        makeUpDown(QStringLiteral("HoleWidthOffsetUpDown"), kHoleWidthOffsetRange, 50, box);
    HoleWidthOffsetUpDown->setAssociate(HoleWidthOffsetEdit);
    HoleHeightOffsetEdit = makeEdit(QStringLiteral("HoleHeightOffsetEdit"), box);
    HoleHeightOffsetUpDown =
        makeUpDown(QStringLiteral("HoleHeightOffsetUpDown"), kHoleHeightOffsetRange, 6, box);
    HoleHeightOffsetUpDown->setAssociate(HoleHeightOffsetEdit);
    hole->addWidget(fieldRow(QStringLiteral("&Width"), HoleWidthEdit, HoleWidthUpDown, box));
    hole->addWidget(fieldRow(QStringLiteral("&Height"), HoleHeightEdit, HoleHeightUpDown, box));
    hole->addWidget(fieldRow(QStringLiteral("Width &Offset %"), HoleWidthOffsetEdit,
                             HoleWidthOffsetUpDown, box));
    hole->addWidget(fieldRow(QStringLiteral("Height O&ffset %"), HoleHeightOffsetEdit,
                             HoleHeightOffsetUpDown, box));
    layout->addWidget(HoleSizePlaceGroupBox);

    ImageSizeGroupBox = makeGroup(QStringLiteral("ImageSizeGroupBox"),
                                  QStringLiteral("Image Size (% of Orginal)"), page);
    auto* imageSize = new QVBoxLayout(ImageSizeGroupBox);
    compact(imageSize);
    ImageSizeEdit = makeEdit(QStringLiteral("ImageSizeEdit"), ImageSizeGroupBox);
    ImageSizeUpDown =
        makeUpDown(QStringLiteral("ImageSizeUpDown"), kImageSizeRange, 100, ImageSizeGroupBox);
    ImageSizeUpDown->setAssociate(ImageSizeEdit);
    imageSize->addWidget(
        fieldRow(QStringLiteral("Si&ze"), ImageSizeEdit, ImageSizeUpDown, ImageSizeGroupBox));
    layout->addWidget(ImageSizeGroupBox);

    ImageVertOffsetGroupBox = makeGroup(QStringLiteral("ImageVertOffsetGroupBox"),
                                        QStringLiteral("Image Offset (%)"), page);
    auto* offsets = new QVBoxLayout(ImageVertOffsetGroupBox);
    compact(offsets);
    box = ImageVertOffsetGroupBox;
    ImageHorizontalOffsetEdit = makeEdit(QStringLiteral("ImageHorizontalOffsetEdit"), box);
    ImageHorizontalOffsetUpDown =
        makeUpDown(QStringLiteral("ImageHorizontalOffsetUpDown"), kImageOffsetRange, 50, box);
    ImageHorizontalOffsetUpDown->setAssociate(ImageHorizontalOffsetEdit);
    ImageVerticalOffsetEdit = makeEdit(QStringLiteral("ImageVerticalOffsetEdit"), box);
    ImageVerticalOffsetUpDown =
        makeUpDown(QStringLiteral("ImageVerticalOffsetUpDown"), kImageOffsetRange, 50, box);
    ImageVerticalOffsetUpDown->setAssociate(ImageVerticalOffsetEdit);
    offsets->addWidget(fieldRow(QStringLiteral("Hori&zontal"), ImageHorizontalOffsetEdit,
                                ImageHorizontalOffsetUpDown, box));
    offsets->addWidget(fieldRow(QStringLiteral("&Vertical"), ImageVerticalOffsetEdit,
                                ImageVerticalOffsetUpDown, box));
    layout->addWidget(ImageVertOffsetGroupBox);

    PickColorRadioGroup = makeRadioGroup(
        QStringLiteral("PickColorRadioGroup"), QStringLiteral("Pick Color from Image for"),
        {QStringLiteral("No Color Pick"), QStringLiteral("Cut Line Color"),
         QStringLiteral("Value Font Color"), QStringLiteral("Text Font Color"),
         QStringLiteral("Background Color"), QStringLiteral("Text Block Color")},
        1, page);
    PickColorRadioGroup->setItemIndex(0);
    setHint(PickColorRadioGroup,
            QStringLiteral("Select the button for the color you wish to change, then move the "
                           "mouse over the sample tag on the right, when you click the left mouse "
                           "button, the color will change to the color at the tip of the mouse "
                           "pointer."));
    layout->addWidget(PickColorRadioGroup);

    // Only carried in design files; never shown.
    auto* adjustLabel = new QLabel(QStringLiteral("Print Image Adjust"), page);
    adjustLabel->setObjectName(QStringLiteral("PrintImageAdjustLabel"));
    adjustLabel->hide();
    PrintImageAdjustEdit = makeEdit(QStringLiteral("PrintImageAdjustEdit"), page);
    PrintImageAdjustUpDown =
        makeUpDown(QStringLiteral("PrintImageAdjustUpDown"), kPrintImageAdjustRange, 0, page);
    PrintImageAdjustUpDown->setAssociate(PrintImageAdjustEdit);
    PrintImageAdjustEdit->hide();
    PrintImageAdjustUpDown->hide();
    layout->addStretch(1);
    return page;
}

} // namespace veltmoor
