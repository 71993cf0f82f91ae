#include "app/ui/pages/BarcodePage.h"

#include "app/ui/DesignEditor.h"
#include "app/ui/HintTracker.h"
#include "app/ui/Prompts.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/WidgetFactory.h"
#include "design/DesignChange.h"
#include "design/DesignComposition.h"
#include "design/TagDesign.h"
#include "platform/Units.h"
#include "pricelist/TagFields.h"
#include "render/BarcodeDrawing.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace veltmoor {

using namespace window;

namespace {

constexpr Symbology kSymbologies[] = {Symbology::None, Symbology::Ean13,   Symbology::UpcA,
                                      Symbology::Ean8, Symbology::Code128, Symbology::QrCode};

// The placements in the order the radio group lists them.
constexpr BarcodePlacement kPlacements[] = {BarcodePlacement::Bottom, BarcodePlacement::Top,
                                            BarcodePlacement::TextBlock};

QLabel* captionFor(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

BarcodePage::BarcodePage(DesignEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("BarcodeTabSheet"));
    auto* layout = new QVBoxLayout(this);
    compact(layout);

    BarcodeTypeComboBox = new QComboBox(this);
    BarcodeTypeComboBox->setObjectName(QStringLiteral("BarcodeTypeComboBox"));
    for (const Symbology symbology : kSymbologies) {
        BarcodeTypeComboBox->addItem(symbologyCaption(symbology), static_cast<int>(symbology));
    }
    setHint(BarcodeTypeComboBox,
            QStringLiteral("The kind of code printed on the tag: EAN-13, UPC-A or EAN-8 for a "
                           "shop's till, Code 128 for a short text, QR Code for a link or a "
                           "longer text. None prints no code."));

    BarcodeDataEdit = new QLineEdit(this);
    BarcodeDataEdit->setObjectName(QStringLiteral("BarcodeDataEdit"));
    setHint(BarcodeDataEdit,
            QStringLiteral("What the code holds. EAN-13 takes 12 digits (the check digit is "
                           "added) or 13 with the right check digit, UPC-A 11 or 12, EAN-8 7 "
                           "or 8. A price list's field such as ${sku} gives every tag of a "
                           "merged job its own code."));

    BarcodePlacementRadioGroup =
        makeRadioGroup(QStringLiteral("BarcodePlacementRadioGroup"), QStringLiteral("&Place Code"),
                       {QStringLiteral("Bottom edge"), QStringLiteral("Under the hole"),
                        QStringLiteral("Text block")},
                       1, this);
    setHint(BarcodePlacementRadioGroup,
            QStringLiteral("Puts the code above the tag's bottom edge, below its top edge "
                           "under the hole, or where the text block starts."));

    BarcodeModuleWidthComboBox = new QComboBox(this);
    BarcodeModuleWidthComboBox->setObjectName(QStringLiteral("BarcodeModuleWidthComboBox"));
    for (int dots = kMinBarcodeModuleDots; dots <= kMaxBarcodeModuleDots; ++dots) {
        BarcodeModuleWidthComboBox->addItem(
            QStringLiteral("%1 dots (%2 mm)").arg(dots).arg(units::mmFromTagDots(dots), 0, 'f', 3),
            dots);
    }
    setHint(BarcodeModuleWidthComboBox,
            QStringLiteral("The width of the code's narrowest bar, in whole printed dots so "
                           "that every edge is sharp. 3 dots keeps EAN and UPC codes within "
                           "the sizes tills read; a wider code needs a wider tag."));

    BarcodeHeightEdit = new QDoubleSpinBox(this);
    BarcodeHeightEdit->setObjectName(QStringLiteral("BarcodeHeightEdit"));
    BarcodeHeightEdit->setDecimals(2);
    BarcodeHeightEdit->setRange(kMinBarcodeHeight / 100.0, kMaxBarcodeHeight / 100.0);
    BarcodeHeightEdit->setSingleStep(0.05);
    // A height typed digit by digit is one change, made when the field is left.
    BarcodeHeightEdit->setKeyboardTracking(false);
    setHint(BarcodeHeightEdit,
            QStringLiteral("The height of the bars of a linear code in inches; the digits "
                           "print below them. A QR code is as high as it is wide."));

    layout->addWidget(captionFor(QStringLiteral("S&ymbology:"), BarcodeTypeComboBox, this));
    layout->addWidget(BarcodeTypeComboBox);
    layout->addWidget(captionFor(QStringLiteral("&Value to encode:"), BarcodeDataEdit, this));
    layout->addWidget(BarcodeDataEdit);
    layout->addWidget(BarcodePlacementRadioGroup);
    layout->addWidget(
        captionFor(QStringLiteral("Module width (dot&s):"), BarcodeModuleWidthComboBox, this));
    layout->addWidget(BarcodeModuleWidthComboBox);
    layout->addWidget(captionFor(QStringLiteral("Bar hei&ght (inches):"), BarcodeHeightEdit, this));
    layout->addWidget(BarcodeHeightEdit);
    layout->addStretch(1);
    setTabOrder(BarcodeTypeComboBox, BarcodeDataEdit);
    setTabOrder(BarcodeDataEdit, BarcodePlacementRadioGroup);
    setTabOrder(BarcodePlacementRadioGroup, BarcodeModuleWidthComboBox);
    setTabOrder(BarcodeModuleWidthComboBox, BarcodeHeightEdit);

    showBarcode(TagBarcode());
    connect(BarcodeTypeComboBox, &QComboBox::currentIndexChanged, this, [this] {
        enableForSymbology();
        changed();
    });
    connect(BarcodeDataEdit, &QLineEdit::textEdited, this, [this] { changed(); });
    connect(BarcodeDataEdit, &QLineEdit::editingFinished, this, [this] { dataEntered(); });
    connect(BarcodePlacementRadioGroup, &RadioGroup::clicked, this, [this] { changed(); });
    connect(BarcodeModuleWidthComboBox, &QComboBox::currentIndexChanged, this,
            [this] { changed(); });
    connect(BarcodeHeightEdit, &QDoubleSpinBox::valueChanged, this, [this] { changed(); });
}

void BarcodePage::showDesign(const TagDesign& design) {
    const int slot =
        design.currentSlot() >= kFirstSheetSlot && design.currentSlot() <= kLastSheetSlot
            ? design.currentSlot()
            : kFirstSheetSlot;
    shownSlot_ = slot;
    showBarcode(design.slot(slot).barcode);
}

bool BarcodePage::showsChange(const DesignChange& change) const {
    return change.currentSlotChanged() ||
           (change.changed(DesignAspect::Barcode) &&
            change.changedSlots().test(static_cast<std::size_t>(shownSlot_)));
}

void BarcodePage::showBarcode(const TagBarcode& shown) {
    showing_ = true;
    BarcodeTypeComboBox->setCurrentIndex(
        BarcodeTypeComboBox->findData(static_cast<int>(shown.symbology)));
    // Rewriting the same text would move the cursor of a user typing into it.
    if (BarcodeDataEdit->text() != shown.data) {
        BarcodeDataEdit->setText(shown.data);
    }
    for (int index = 0; index < BarcodePlacementRadioGroup->count(); ++index) {
        if (kPlacements[index] == shown.placement) {
            BarcodePlacementRadioGroup->setItemIndex(index);
        }
    }
    BarcodeModuleWidthComboBox->setCurrentIndex(
        BarcodeModuleWidthComboBox->findData(shown.moduleDots));
    // Setting even the same value would throw away digits the user is typing.
    if (std::lround(BarcodeHeightEdit->value() * 100) != shown.heightHundredths) {
        BarcodeHeightEdit->setValue(shown.heightHundredths / 100.0);
    }
    enableForSymbology();
    showing_ = false;
}

TagBarcode BarcodePage::barcode() const {
    TagBarcode barcode;
    barcode.symbology = static_cast<Symbology>(BarcodeTypeComboBox->currentData().toInt());
    barcode.data = BarcodeDataEdit->text();
    const int placement = BarcodePlacementRadioGroup->itemIndex();
    barcode.placement = placement >= 0 ? kPlacements[placement] : BarcodePlacement::Bottom;
    barcode.moduleDots = BarcodeModuleWidthComboBox->currentData().toInt();
    barcode.heightHundredths = static_cast<int>(std::lround(BarcodeHeightEdit->value() * 100));
    return barcode;
}

void BarcodePage::changed() {
    if (!showing_) {
        // What is typed into the data joins one step until the field loses the focus.
        editor_.change(QApplication::focusWidget(),
                       [code = barcode()](TagDesign& design) { return design.setBarcode(code); });
    }
}

void BarcodePage::dataEntered() {
    const TagBarcode entered = barcode();
    if (!entered.isSet() || !fieldNamesIn(entered.data).isEmpty()) {
        return;
    }
    const BarcodeEncoding encoding = encodeBarcode(entered.symbology, entered.data);
    if (!encoding.problem.isEmpty()) {
        editor_.prompts().message(barcodeRefusal(editor_.design().currentSlot(), encoding.problem));
    }
}

void BarcodePage::enableForSymbology() {
    const Symbology symbology = barcode().symbology;
    const bool set = symbology != Symbology::None;
    for (QWidget* control :
         {static_cast<QWidget*>(BarcodeDataEdit), static_cast<QWidget*>(BarcodePlacementRadioGroup),
          static_cast<QWidget*>(BarcodeModuleWidthComboBox)}) {
        control->setEnabled(set);
    }
    // A QR code's height follows from its width; only the bars of a linear code have one.
    BarcodeHeightEdit->setEnabled(set && symbology != Symbology::QrCode);
}

} // namespace veltmoor
