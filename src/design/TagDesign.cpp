#include "design/TagDesign.h"

#include "design/NumericFields.h"
#include "design/TextMeasure.h"
#include "render/TextBlockLines.h"

#include <algorithm>
#include <climits>

namespace veltmoor {

namespace {

// The short price the welcome page's sample tag carries in its corner.
const QString kSamplePriceText = QStringLiteral("$4.95");
const QString kSampleEdgeText = QStringLiteral("TAGS");

// The hole sits at the narrow end of a tag: the top for most shapes, the bottom for the
// fan shapes. A shape change keeps it there by mirroring its vertical offset.
int holeHeightOffsetForShape(int shapeIndex, int offset) {
    if (isFanShape(shapeIndex)) {
        return offset <= 15 ? 100 - offset : offset;
    }
    return offset >= 85 ? 100 - offset : offset;
}

} // namespace

TagDesign TagDesign::atFirstActivation() {
    TagDesign design;
    // Creation: the slots start at their defaults and the text edits are cleared into the
    // checked slots (which leaves their texts empty).
    for (int slot = 0; slot <= kLastInitialisedSlot; ++slot) {
        design.Slots[static_cast<std::size_t>(slot)] = img{};
    }
    design.TextBlockMemoText.clear();
    design.TextBlockMemoExit();
    design.ValueEditChange(QString());
    design.TextEditChange(QString());
    design.TagWidthDots = 350;
    design.TagHeightDots = 350;

    // First activation.
    img& sample = design.Slots[kAboutSlot];
    sample.ValueText = kSamplePriceText;
    sample.EdgeText = kSampleEdgeText;
    design.TagRect = Rect{0, 0, 350, 350};
    design.SetBgColors(clWhite);
    design.SetBorderColors(clBlack);
    design.CurrentSlot = kAboutSlot;
    // The sample tag is composed with small fonts; the working sizes come back afterwards.
    design.settings.textBlockFont.sizePoints = 10;
    design.settings.valueFont.sizePoints = 18;
    design.settings.textFont.sizePoints = 10;
    design.WidthUpDownPosition = 200;
    design.HeightUpDownPosition = 400;
    // The size edits say 2.00 x 4.00; the tag takes that size now rather than at the first
    // size change, so that nothing composes a tag whose size the edits do not show.
    design.TagWidthDots = design.WidthUpDownPosition * 2;
    design.TagHeightDots = design.HeightUpDownPosition * 2;
    design.TagRect = Rect{0, 0, design.TagWidthDots, design.TagHeightDots};
    return design;
}

TagDesign TagDesign::aboutSample() const {
    TagDesign sample = *this;
    sample.CurrentSlot = kAboutSlot;
    sample.settings.valueFont.sizePoints = 14;
    sample.settings.textFont.sizePoints = 8;
    sample.settings.textBlockFont.sizePoints = 5;
    sample.TagWidthDots = 350;
    sample.TagHeightDots = 350;
    sample.TagRect = Rect{0, 0, 350, 350};
    return sample;
}

bool TagDesign::isSlotChecked(int slot) const {
    return slot >= kFirstSheetSlot && slot <= kLastSheetSlot &&
           SlotCheckBoxes[static_cast<std::size_t>(slot - 1)];
}

void TagDesign::setSlotChecked(int slot, bool checked) {
    if (slot >= kFirstSheetSlot && slot <= kLastSheetSlot) {
        SlotCheckBoxes[static_cast<std::size_t>(slot - 1)] = checked;
    }
}

void TagDesign::applyToCheckedSlots(const std::function<void(img&)>& write) {
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (isSlotChecked(slot)) {
            write(Slots[static_cast<std::size_t>(slot)]);
        }
    }
}

void TagDesign::SetValueText(const QString& text) {
    applyToCheckedSlots([&](img& slot) { slot.ValueText = text; });
}

void TagDesign::SetTextText(const QString& text) {
    applyToCheckedSlots([&](img& slot) { slot.EdgeText = text; });
}

void TagDesign::SetBorderColors(TColor color) {
    CutLineColorChoice = color;
    applyToCheckedSlots([&](img& slot) { slot.CutLineColor = color; });
}

void TagDesign::SetBgColors(TColor color) {
    BackgroundColorChoice = color;
    applyToCheckedSlots([&](img& slot) { slot.BackgroundColor = color; });
}

void TagDesign::SetValueColor(TColor color) {
    settings.valueFont.color = color;
    applyToCheckedSlots([&](img& slot) { slot.ValueColor = color; });
}

void TagDesign::SetTextColor(TColor color) {
    settings.textFont.color = color;
    applyToCheckedSlots([&](img& slot) { slot.TextColor = color; });
}

void TagDesign::SetTextBlockColor(TColor color) {
    settings.textBlockFont.color = color;
    applyToCheckedSlots([&](img& slot) { slot.TextBlockColor = color; });
}

Redraw TagDesign::setBarcode(const TagBarcode& barcode) {
    applyToCheckedSlots([&](img& slot) { slot.barcode = barcode; });
    return Redraw::Scheduled;
}

Redraw TagDesign::ValueEditChange(const QString& text) {
    ValueEditText = text;
    SetValueText(text);
    return Redraw::Scheduled;
}

Redraw TagDesign::TextEditChange(const QString& text) {
    TextEditText = text;
    SetTextText(text);
    return Redraw::Scheduled;
}

TextBlockChange TagDesign::TextBlockMemoChange(const QString& text) {
    TextBlockMemoText = text;
    if (CurrentSlot >= 0 && CurrentSlot < kSlotTableSize) {
        Slots[static_cast<std::size_t>(CurrentSlot)].TextBlockText = text;
    }
    const int widest = textBlockWidthFor(settings.textBlockFont, text);
    settings.TextBlockWidth = widest;
    return TextBlockChange{Redraw::Scheduled, kTextBlockMemoWidth < widest};
}

void TagDesign::TextBlockMemoExit() {
    const QString text = TextBlockMemoText;
    applyToCheckedSlots([&](img& slot) { slot.TextBlockText = text; });
}

Redraw TagDesign::ApplyTagSize() {
    TagHeightDots = HeightUpDownPosition * 2;
    TagWidthDots = WidthUpDownPosition * 2;
    TagRect = Rect{0, 0, TagWidthDots, TagHeightDots};
    return Redraw::Scheduled;
}

Redraw TagDesign::WidthEditKeyUp(const QString& text) {
    return tagSizeEditKeyUp(text, WidthUpDownPosition);
}

Redraw TagDesign::HeightEditKeyUp(const QString& text) {
    return tagSizeEditKeyUp(text, HeightUpDownPosition);
}

Redraw TagDesign::tagSizeEditKeyUp(const QString& text, int& upDownPosition) {
    int value = 0;
    try {
        value = ParseHundredths(text, kTypedTagSizeMin, kTypedTagSizeMax);
    } catch (const ValueOutOfRange&) {
        // The size stays and is applied again before the message reaches the user.
        ApplyTagSize();
        throw;
    }
    upDownPosition = kTagSizeRange.limit(value);
    return ApplyTagSize();
}

Redraw TagDesign::WidthUpDownClick(int position) {
    WidthUpDownPosition = kTagSizeRange.limit(position);
    return ApplyTagSize();
}

Redraw TagDesign::HeightUpDownClick(int position) {
    HeightUpDownPosition = kTagSizeRange.limit(position);
    return ApplyTagSize();
}

Redraw TagDesign::HoleWidthEditKeyUp(const QString& text) {
    return holeSizeEditKeyUp(text, settings.hole.width);
}

Redraw TagDesign::HoleHeightEditKeyUp(const QString& text) {
    return holeSizeEditKeyUp(text, settings.hole.height);
}

Redraw TagDesign::holeSizeEditKeyUp(const QString& text, int& size) {
    const int value = ParseHundredths(text, 0, kTypedHoleSizeMax);
    size = kHoleSizeRange.limit(value);
    return Redraw::Scheduled;
}

Redraw TagDesign::HoleWidthUpDownClick(int position) {
    settings.hole.width = kHoleSizeRange.limit(position);
    return Redraw::Scheduled;
}

Redraw TagDesign::HoleHeightUpDownClick(int position) {
    settings.hole.height = kHoleSizeRange.limit(position);
    return Redraw::Scheduled;
}

namespace {

struct PercentPair {
    UpDownRange range;
    int typedMax;
};

PercentPair percentPair(PercentField field) {
    switch (field) {
    case PercentField::HoleWidthOffset:
        return {kHoleWidthOffsetRange, kPercentMax};
    case PercentField::HoleHeightOffset:
        return {kHoleHeightOffsetRange, kPercentMax};
    case PercentField::ImageSize:
        return {kImageSizeRange, kImageSizePercentMax};
    case PercentField::ImageHorizontalOffset:
    case PercentField::ImageVerticalOffset:
        return {kImageOffsetRange, kPercentMax};
    case PercentField::TextBlockWidthOffset:
    case PercentField::TextBlockHeightOffset:
        return {kTextBlockOffsetRange, kPercentMax};
    }
    return {kImageOffsetRange, kPercentMax};
}

} // namespace

int TagDesign::percentPosition(PercentField field) const {
    switch (field) {
    case PercentField::HoleWidthOffset:
        return settings.hole.widthOffset;
    case PercentField::HoleHeightOffset:
        return settings.hole.heightOffset;
    case PercentField::ImageSize:
        return ImageSizeUpDownPosition;
    case PercentField::ImageHorizontalOffset:
        return ImageHorizontalOffsetUpDownPosition;
    case PercentField::ImageVerticalOffset:
        return ImageVerticalOffsetUpDownPosition;
    case PercentField::TextBlockWidthOffset:
        return settings.textBlockWidthOffset;
    case PercentField::TextBlockHeightOffset:
        return settings.textBlockHeightOffset;
    }
    return 0;
}

Redraw TagDesign::PercentUpDownClick(PercentField field, int position) {
    const int value = percentPair(field).range.limit(position);
    switch (field) {
    case PercentField::HoleWidthOffset:
        settings.hole.widthOffset = value;
        break;
    case PercentField::HoleHeightOffset:
        settings.hole.heightOffset = value;
        break;
    case PercentField::ImageSize:
        ImageSizeUpDownPosition = value;
        applyToCheckedSlots([&](img& slot) { slot.ImageSize = value; });
        break;
    case PercentField::ImageHorizontalOffset:
        ImageHorizontalOffsetUpDownPosition = value;
        applyToCheckedSlots([&](img& slot) { slot.ImageHorizontalOffset = value; });
        break;
    case PercentField::ImageVerticalOffset:
        ImageVerticalOffsetUpDownPosition = value;
        applyToCheckedSlots([&](img& slot) { slot.ImageVerticalOffset = value; });
        break;
    case PercentField::TextBlockWidthOffset:
        settings.textBlockWidthOffset = value;
        break;
    case PercentField::TextBlockHeightOffset:
        settings.textBlockHeightOffset = value;
        break;
    }
    return Redraw::Scheduled;
}

QString TagDesign::PercentEditChange(PercentField field, const QString& text) {
    const PercentPair pair = percentPair(field);
    const int value = ParsePercent(text, 0, pair.typedMax);
    PercentUpDownClick(field, value);
    return QString::number(percentPosition(field));
}

Redraw TagDesign::setShape(int shapeIndex) {
    if (shapeIndex < 0 || shapeIndex >= kShapeCount || shapeIndex == settings.shapeIndex) {
        return Redraw::None;
    }
    settings.shapeIndex = shapeIndex;
    return TypeOfPageRadioGroupClick();
}

Redraw TagDesign::TypeOfPageRadioGroupClick() {
    settings.hole.heightOffset =
        holeHeightOffsetForShape(settings.shapeIndex, settings.hole.heightOffset);
    CurrentSlot = kFirstSheetSlot;
    return Redraw::Now;
}

Redraw TagDesign::setCutLineType(int cutLineType) {
    if (cutLineType != kCutLineNone && cutLineType != kCutLineThin) {
        return Redraw::None;
    }
    settings.cutLineType = cutLineType;
    // The next layout computes the margins again for the refreshed printer page.
    pageGrid.SheetMarginX = 0;
    pageGrid.SheetMarginY = 0;
    return Redraw::Scheduled;
}

Redraw TagDesign::setNoHole(bool checked) {
    settings.hole.noHole = checked;
    return Redraw::Scheduled;
}

Redraw TagDesign::setBlankSheet(bool checked) {
    settings.blankSheet = checked;
    return Redraw::Scheduled;
}

Redraw TagDesign::AddressLabelsCheckBoxClick(bool checked) {
    AddressLabelsCheckBox = checked;
    if (!checked) {
        return Redraw::None;
    }
    // The return-address label, in the order the settings are made: each goes through
    // the same handling as the user's own change would.
    WidthUpDownPosition = 250;
    HeightUpDownPosition = 100;
    setShape(kShapeRectangle);
    setNoHole(true);
    ValueEditChange(QString());
    TextEditChange(QString());
    settings.textBlockAlignment = kAlignLeft;
    PercentUpDownClick(PercentField::ImageHorizontalOffset, 22);
    PercentUpDownClick(PercentField::ImageSize, 85);
    PercentUpDownClick(PercentField::TextBlockWidthOffset, 50);
    PercentUpDownClick(PercentField::TextBlockHeightOffset, 25);
    ApplyTagSize();
    return Redraw::Now;
}

void TagDesign::takeCurrentSlotTexts() {
    if (CurrentSlot < 0 || CurrentSlot >= kSlotTableSize) {
        return;
    }
    const img& slot = Slots[static_cast<std::size_t>(CurrentSlot)];
    ValueEditText = slot.ValueText;
    TextEditText = slot.EdgeText;
}

Redraw TagDesign::SetValues() {
    if (CurrentSlot < 0 || CurrentSlot >= kSlotTableSize) {
        return Redraw::None;
    }
    const img& slot = Slots[static_cast<std::size_t>(CurrentSlot)];
    takeCurrentSlotTexts();
    // The memo takes the slot's text block, which measures its width for the next redraw.
    TextBlockMemoChange(QString(slot.TextBlockText));
    settings.valueFont.color = slot.ValueColor;
    settings.textFont.color = slot.TextColor;
    settings.textBlockFont.color = slot.TextBlockColor;
    BackgroundColorChoice = slot.BackgroundColor;
    CutLineColorChoice = slot.CutLineColor;
    ImageSizeUpDownPosition = kImageSizeRange.limit(slot.ImageSize);
    ImageHorizontalOffsetUpDownPosition = kImageOffsetRange.limit(slot.ImageHorizontalOffset);
    ImageVerticalOffsetUpDownPosition = kImageOffsetRange.limit(slot.ImageVerticalOffset);
    if (slot.ColoringType != kNotTinted) {
        ColoringTypeChoice = slot.ColoringType;
        ColoringColorChoice = slot.ColoringColor;
    }
    return Redraw::Scheduled;
}

void TagDesign::selectPrinter(const PrinterList& printers, int index) {
    const int count = static_cast<int>(printers.names.size());
    if (index < 0 || index >= count) {
        index = printers.defaultIndex >= 0 && printers.defaultIndex < count ? printers.defaultIndex
                                                                            : -1;
    }
    const QString name = index >= 0 ? printers.names.at(index) : QString();
    if (name != PrinterName) {
        PrinterPaper.clear();
    }
    PrinterIndex = index;
    PrinterName = name;
}

Redraw TagDesign::recordSlotPicture(int slot, int pictureWidth, int pictureHeight) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return Redraw::None;
    }
    img& record = Slots[static_cast<std::size_t>(slot)];
    record.PictureWidth = pictureWidth;
    record.PictureHeight = pictureHeight;
    // A picture has at least one column; the guard keeps a broken decoder from dividing
    // by zero.
    long long aspect = 1000;
    if (pictureWidth > 0) {
        aspect = static_cast<long long>(pictureHeight) * 1000 / pictureWidth;
    }
    record.AspectPermille = static_cast<int>(std::min<long long>(aspect, INT_MAX));
    if (slot == kFirstSheetSlot) {
        return ApplyTagSize();
    }
    return Redraw::None;
}

} // namespace veltmoor
