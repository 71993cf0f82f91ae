#include "design/TagDesign.h"

#include "design/NumericFields.h"
#include "design/TextMeasure.h"
#include "render/TextBlockLines.h"

#include <algorithm>
#include <climits>
#include <utility>

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

void TagDesign::startAnew() {
    for (int slot = 0; slot <= kLastInitialisedSlot; ++slot) {
        slotRef(slot) = img{};
    }
    size_.widthDots = 350;
    size_.heightDots = 350;
    // The text fields are cleared into the checked slots, which leaves their texts empty.
    memoText_.clear();
    TextBlockMemoExit();
    ValueEditChange(QString());
    TextEditChange(QString());
}

TagDesign TagDesign::atFirstActivation() {
    TagDesign design;
    design.startAnew();

    // First activation.
    img& sample = design.slotRef(kAboutSlot);
    sample.ValueText = kSamplePriceText;
    sample.EdgeText = kSampleEdgeText;
    design.SetBgColors(clWhite);
    design.SetBorderColors(clBlack);
    design.currentSlot_ = kAboutSlot;
    // The sample tag is composed with small fonts; the working sizes come back afterwards.
    design.settings_.textBlockFont.sizePoints = 10;
    design.settings_.valueFont.sizePoints = 18;
    design.settings_.textFont.sizePoints = 10;
    design.size_.widthHundredths = 200;
    design.size_.heightHundredths = 400;
    // The size edits say 2.00 x 4.00; the tag takes that size now rather than at the first
    // size change, so that nothing composes a tag whose size the edits do not show.
    design.ApplyTagSize();
    return design;
}

TagDesign TagDesign::aboutSample() const {
    TagDesign sample = *this;
    sample.currentSlot_ = kAboutSlot;
    sample.settings_.valueFont.sizePoints = 14;
    sample.settings_.textFont.sizePoints = 8;
    sample.settings_.textBlockFont.sizePoints = 5;
    sample.size_.widthDots = 350;
    sample.size_.heightDots = 350;
    return sample;
}

bool TagDesign::isSlotChecked(int slot) const {
    return slot >= kFirstSheetSlot && slot <= kLastSheetSlot &&
           checked_[static_cast<std::size_t>(slot - 1)];
}

void TagDesign::setSlotChecked(int slot, bool checked) {
    if (slot >= kFirstSheetSlot && slot <= kLastSheetSlot) {
        checked_[static_cast<std::size_t>(slot - 1)] = checked;
    }
}

void TagDesign::applyToCheckedSlots(const std::function<void(img&)>& write) {
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        if (isSlotChecked(slot)) {
            write(slotRef(slot));
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
    colorChoices_.cutLine = color;
    applyToCheckedSlots([&](img& slot) { slot.CutLineColor = color; });
}

void TagDesign::SetBgColors(TColor color) {
    colorChoices_.background = color;
    applyToCheckedSlots([&](img& slot) { slot.BackgroundColor = color; });
}

void TagDesign::SetValueColor(TColor color) {
    colorChoices_.value = color;
    settings_.valueFont.color = color;
    applyToCheckedSlots([&](img& slot) { slot.ValueColor = color; });
}

void TagDesign::SetTextColor(TColor color) {
    colorChoices_.text = color;
    settings_.textFont.color = color;
    applyToCheckedSlots([&](img& slot) { slot.TextColor = color; });
}

void TagDesign::SetTextBlockColor(TColor color) {
    colorChoices_.textBlock = color;
    settings_.textBlockFont.color = color;
    applyToCheckedSlots([&](img& slot) { slot.TextBlockColor = color; });
}

Redraw TagDesign::setBarcode(const TagBarcode& barcode) {
    applyToCheckedSlots([&](img& slot) { slot.barcode = barcode; });
    return Redraw::Scheduled;
}

void TagDesign::setSlotBarcode(int slot, const TagBarcode& barcode) {
    slotRef(slot).barcode = barcode;
}

Redraw TagDesign::ValueEditChange(const QString& text) {
    valueEditText_ = text;
    SetValueText(text);
    return Redraw::Scheduled;
}

Redraw TagDesign::TextEditChange(const QString& text) {
    textEditText_ = text;
    SetTextText(text);
    return Redraw::Scheduled;
}

TextBlockChange TagDesign::TextBlockMemoChange(const QString& text) {
    memoText_ = text;
    if (currentSlot_ >= 0 && currentSlot_ < kSlotTableSize) {
        slotRef(currentSlot_).TextBlockText = text;
    }
    const int widest = textBlockWidthFor(settings_.textBlockFont, text);
    settings_.TextBlockWidth = widest;
    return TextBlockChange{Redraw::Scheduled, kTextBlockMemoWidth < widest};
}

void TagDesign::TextBlockMemoExit() {
    const QString text = memoText_;
    applyToCheckedSlots([&](img& slot) { slot.TextBlockText = text; });
}

Redraw TagDesign::ApplyTagSize() {
    size_.heightDots = size_.heightHundredths * 2;
    size_.widthDots = size_.widthHundredths * 2;
    return Redraw::Scheduled;
}

Redraw TagDesign::WidthEditKeyUp(const QString& text) {
    return tagSizeEditKeyUp(text, size_.widthHundredths);
}

Redraw TagDesign::HeightEditKeyUp(const QString& text) {
    return tagSizeEditKeyUp(text, size_.heightHundredths);
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
    size_.widthHundredths = kTagSizeRange.limit(position);
    return ApplyTagSize();
}

Redraw TagDesign::HeightUpDownClick(int position) {
    size_.heightHundredths = kTagSizeRange.limit(position);
    return ApplyTagSize();
}

Redraw TagDesign::HoleWidthEditKeyUp(const QString& text) {
    return holeSizeEditKeyUp(text, settings_.hole.width);
}

Redraw TagDesign::HoleHeightEditKeyUp(const QString& text) {
    return holeSizeEditKeyUp(text, settings_.hole.height);
}

Redraw TagDesign::holeSizeEditKeyUp(const QString& text, int& size) {
    const int value = ParseHundredths(text, 0, kTypedHoleSizeMax);
    size = kHoleSizeRange.limit(value);
    return Redraw::Scheduled;
}

Redraw TagDesign::HoleWidthUpDownClick(int position) {
    settings_.hole.width = kHoleSizeRange.limit(position);
    return Redraw::Scheduled;
}

Redraw TagDesign::HoleHeightUpDownClick(int position) {
    settings_.hole.height = kHoleSizeRange.limit(position);
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
        return settings_.hole.widthOffset;
    case PercentField::HoleHeightOffset:
        return settings_.hole.heightOffset;
    case PercentField::ImageSize:
        return placement_.size;
    case PercentField::ImageHorizontalOffset:
        return placement_.horizontalOffset;
    case PercentField::ImageVerticalOffset:
        return placement_.verticalOffset;
    case PercentField::TextBlockWidthOffset:
        return settings_.textBlockWidthOffset;
    case PercentField::TextBlockHeightOffset:
        return settings_.textBlockHeightOffset;
    }
    return 0;
}

Redraw TagDesign::PercentUpDownClick(PercentField field, int position) {
    const int value = percentPair(field).range.limit(position);
    switch (field) {
    case PercentField::HoleWidthOffset:
        settings_.hole.widthOffset = value;
        break;
    case PercentField::HoleHeightOffset:
        settings_.hole.heightOffset = value;
        break;
    case PercentField::ImageSize:
        placement_.size = value;
        applyToCheckedSlots([&](img& slot) { slot.ImageSize = value; });
        break;
    case PercentField::ImageHorizontalOffset:
        placement_.horizontalOffset = value;
        applyToCheckedSlots([&](img& slot) { slot.ImageHorizontalOffset = value; });
        break;
    case PercentField::ImageVerticalOffset:
        placement_.verticalOffset = value;
        applyToCheckedSlots([&](img& slot) { slot.ImageVerticalOffset = value; });
        break;
    case PercentField::TextBlockWidthOffset:
        settings_.textBlockWidthOffset = value;
        break;
    case PercentField::TextBlockHeightOffset:
        settings_.textBlockHeightOffset = value;
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
    if (shapeIndex < 0 || shapeIndex >= kShapeCount || shapeIndex == settings_.shapeIndex) {
        return Redraw::None;
    }
    return TypeOfPageRadioGroupClick(shapeIndex);
}

Redraw TagDesign::TypeOfPageRadioGroupClick(int shapeIndex) {
    settings_.shapeIndex = shapeIndex;
    settings_.hole.heightOffset =
        holeHeightOffsetForShape(settings_.shapeIndex, settings_.hole.heightOffset);
    currentSlot_ = kFirstSheetSlot;
    return Redraw::Now;
}

Redraw TagDesign::setCutLineType(int cutLineType) {
    if (cutLineType != kCutLineNone && cutLineType != kCutLineThin) {
        return Redraw::None;
    }
    settings_.cutLineType = cutLineType;
    forgetSheetMargins();
    return Redraw::Scheduled;
}

Redraw TagDesign::setNoHole(bool checked) {
    settings_.hole.noHole = checked;
    return Redraw::Scheduled;
}

Redraw TagDesign::setBlankSheet(bool checked) {
    settings_.blankSheet = checked;
    return Redraw::Scheduled;
}

Redraw TagDesign::AddressLabelsCheckBoxClick(bool checked) {
    addressLabels_ = checked;
    if (!checked) {
        return Redraw::None;
    }
    // The return-address label, in the order the settings are made: each goes through
    // the same handling as the user's own change would.
    size_.widthHundredths = 250;
    size_.heightHundredths = 100;
    setShape(kShapeRectangle);
    setNoHole(true);
    ValueEditChange(QString());
    TextEditChange(QString());
    settings_.textBlockAlignment = kAlignLeft;
    PercentUpDownClick(PercentField::ImageHorizontalOffset, 22);
    PercentUpDownClick(PercentField::ImageSize, 85);
    PercentUpDownClick(PercentField::TextBlockWidthOffset, 50);
    PercentUpDownClick(PercentField::TextBlockHeightOffset, 25);
    ApplyTagSize();
    return Redraw::Now;
}

void TagDesign::takeCurrentSlotTexts() {
    if (currentSlot_ < 0 || currentSlot_ >= kSlotTableSize) {
        return;
    }
    const img& slot = slotRef(currentSlot_);
    valueEditText_ = slot.ValueText;
    textEditText_ = slot.EdgeText;
}

Redraw TagDesign::SetValues() {
    if (currentSlot_ < 0 || currentSlot_ >= kSlotTableSize) {
        return Redraw::None;
    }
    const img& slot = slotRef(currentSlot_);
    takeCurrentSlotTexts();
    // The memo takes the slot's text block, which measures its width for the next redraw.
    TextBlockMemoChange(QString(slot.TextBlockText));
    settings_.valueFont.color = slot.ValueColor;
    settings_.textFont.color = slot.TextColor;
    settings_.textBlockFont.color = slot.TextBlockColor;
    colorChoices_.background = slot.BackgroundColor;
    colorChoices_.cutLine = slot.CutLineColor;
    placement_.size = kImageSizeRange.limit(slot.ImageSize);
    placement_.horizontalOffset = kImageOffsetRange.limit(slot.ImageHorizontalOffset);
    placement_.verticalOffset = kImageOffsetRange.limit(slot.ImageVerticalOffset);
    if (slot.ColoringType != kNotTinted) {
        colorChoices_.coloringType = slot.ColoringType;
        colorChoices_.coloringColor = slot.ColoringColor;
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
    if (name != printer_.name) {
        printer_.paper.clear();
    }
    printer_.index = index;
    printer_.name = name;
}

void TagDesign::setPrinterPaper(const QString& paper, bool landscape) {
    printer_.paper = paper;
    printer_.landscape = landscape;
}

void TagDesign::setCopies(int copies) {
    printer_.copies = copies;
}

void TagDesign::setCuttingMarks(CuttingMarks marks) {
    cuttingMarks_ = marks;
}

void TagDesign::setPriceList(const WrittenPicturePath& path) {
    priceList_ = path;
}

void TagDesign::setFont(TextPart part, const Font& font) {
    switch (part) {
    case TextPart::Value:
        settings_.valueFont = font;
        break;
    case TextPart::Edge:
        settings_.textFont = font;
        break;
    case TextPart::TextBlock:
        settings_.textBlockFont = font;
        break;
    }
}

void TagDesign::setValuePlace(int corner) {
    settings_.valuePlace = corner;
}

void TagDesign::setEdgePlace(int edge) {
    settings_.edgePlace = edge;
}

void TagDesign::setTextBlockAlignment(int alignment) {
    settings_.textBlockAlignment = alignment;
}

void TagDesign::setTextBlockPosition(int widthOffset, int heightOffset) {
    settings_.textBlockWidthOffset = widthOffset;
    settings_.textBlockHeightOffset = heightOffset;
}

void TagDesign::setHole(const HoleSettings& hole) {
    settings_.hole = hole;
}

void TagDesign::setCurrentSlot(int slot) {
    currentSlot_ = slot;
}

void TagDesign::setSlotPicture(int slot, const QString& fileName, const QString& sourceFileName) {
    img& record = slotRef(slot);
    record.FileName = fileName;
    record.SourceFileName = sourceFileName;
}

void TagDesign::setSlotTint(int slot, const QString& fileName, int type) {
    img& record = slotRef(slot);
    record.FileName = fileName;
    record.ColoringType = type;
}

void TagDesign::deleteSlotPicture(int slot) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return;
    }
    img& record = slotRef(slot);
    record.FileName.clear();
    record.PictureWidth = 0;
    record.PictureHeight = 0;
    record.AspectPermille = 1000;
    record.SourceFileName.clear();
    record.ColoringType = kNotTinted;
}

void TagDesign::forgetSheetMargins() {
    pageGrid_.SheetMarginX = 0;
    pageGrid_.SheetMarginY = 0;
}

const WrittenSlotPaths& TagDesign::writtenPicturePaths(int n) const {
    return writtenPicturePaths_.at(static_cast<std::size_t>(n));
}

void TagDesign::setSlotValues(int slot, const img& values, const WrittenSlotPaths& written) {
    img& record = slotRef(slot);
    Bitmap lastTag = std::move(record.TagImage);
    record = values;
    record.TagImage = std::move(lastTag);
    writtenPicturePaths_.at(static_cast<std::size_t>(slot)) = written;
}

void TagDesign::forgetWrittenPicturePaths() {
    writtenPicturePaths_ = {};
}

void TagDesign::openFileValues(const TagSize& hundredths, const PictureLayout& placement) {
    // The dots follow when the size is applied, as after any change of the hundredths.
    size_.widthHundredths = hundredths.widthHundredths;
    size_.heightHundredths = hundredths.heightHundredths;
    placement_ = placement;
}

void TagDesign::recordComposedTag(int slot, Bitmap tag) {
    slotRef(slot).TagImage = std::move(tag);
}

void TagDesign::setMeasuredTextBlock(const QString& memoText, int width) {
    memoText_ = memoText;
    settings_.TextBlockWidth = width;
}

void TagDesign::restoreValues(const TagDesign& values) {
    TagDesign restored = values;
    for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
        restored.slots_[slot].TagImage = std::move(slots_[slot].TagImage);
    }
    restored.pageGrid_ = pageGrid_;
    restored.renderMode_ = renderMode_;
    restored.printing_ = printing_;
    restored.reload_ = reload_;
    restored.floatingTag_ = floatingTag_;
    *this = std::move(restored);
    ApplyTagSize();
}

TagDesign TagDesign::valuesWithoutComposedTags() {
    // The tags are set aside while the copy is made rather than copied and thrown away.
    std::array<Bitmap, kSlotTableSize> tags;
    for (std::size_t slot = 0; slot < tags.size(); ++slot) {
        tags[slot] = std::exchange(slots_[slot].TagImage, Bitmap());
    }
    TagDesign values = *this;
    for (std::size_t slot = 0; slot < tags.size(); ++slot) {
        slots_[slot].TagImage = std::move(tags[slot]);
    }
    return values;
}

Redraw TagDesign::recordSlotPicture(int slot, int pictureWidth, int pictureHeight) {
    if (slot < 0 || slot > kLastInitialisedSlot) {
        return Redraw::None;
    }
    img& record = slotRef(slot);
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
