#include "design/DesignChange.h"

namespace veltmoor {

namespace {

using SameDesign = bool (*)(const TagDesign&, const TagDesign&);
using SameSlot = bool (*)(const img&, const img&);

// How one aspect is told apart: a setting every tag has of its own is compared slot by slot
// (so that the slots it changed are known), a setting of the whole sheet once.
struct AspectRule {
    DesignAspect aspect;
    const char* undoName; // nullptr: shown by the window, but not a step of Undo
    SameSlot sameSlot;
    SameDesign sameDesign;
};

constexpr AspectRule perTag(DesignAspect aspect, const char* name, SameSlot same) {
    return {aspect, name, same, nullptr};
}
constexpr AspectRule shared(DesignAspect aspect, const char* name, SameDesign same) {
    return {aspect, name, nullptr, same};
}
constexpr AspectRule shownOnly(DesignAspect aspect, SameDesign same) {
    return {aspect, nullptr, nullptr, same};
}

// A font as the font dialog chooses it; its colour follows the current slot's.
bool sameFace(const Font& a, const Font& b) {
    return a.name == b.name && a.sizePoints == b.sizePoints && a.style == b.style;
}

using A = DesignAspect;
using D = const TagDesign&;
using S = const img&;

constexpr AspectRule kAspects[] = {
    shared(A::AddressLabels, "Address Labels",
           [](D a, D b) { return a.addressLabels() == b.addressLabels(); }),
    shared(A::Shape, "Shape",
           [](D a, D b) { return a.settings().shapeIndex == b.settings().shapeIndex; }),
    perTag(A::Picture, "Picture",
           [](S a, S b) {
               return a.SourceFileName == b.SourceFileName && a.PictureWidth == b.PictureWidth &&
                      a.PictureHeight == b.PictureHeight && a.AspectPermille == b.AspectPermille;
           }),
    perTag(A::Tint, "Tint",
           [](S a, S b) {
               return a.FileName == b.FileName && a.ColoringType == b.ColoringType &&
                      a.ColoringColor == b.ColoringColor;
           }),
    shared(A::TagSize, "Tag Size",
           [](D a, D b) {
               return a.tagSize().widthHundredths == b.tagSize().widthHundredths &&
                      a.tagSize().heightHundredths == b.tagSize().heightHundredths;
           }),
    perTag(A::CornerText, "Corner Text", [](S a, S b) { return a.ValueText == b.ValueText; }),
    perTag(A::TagText, "Tag Text", [](S a, S b) { return a.EdgeText == b.EdgeText; }),
    perTag(A::TextBlock, "Text Block", [](S a, S b) { return a.TextBlockText == b.TextBlockText; }),
    perTag(A::BackgroundColour, "Background Colour",
           [](S a, S b) { return a.BackgroundColor == b.BackgroundColor; }),
    perTag(A::CutLineColour, "Cut Line Colour",
           [](S a, S b) { return a.CutLineColor == b.CutLineColor; }),
    perTag(A::CornerTextColour, "Corner Text Colour",
           [](S a, S b) { return a.ValueColor == b.ValueColor; }),
    perTag(A::TagTextColour, "Tag Text Colour",
           [](S a, S b) { return a.TextColor == b.TextColor; }),
    perTag(A::TextBlockColour, "Text Block Colour",
           [](S a, S b) { return a.TextBlockColor == b.TextBlockColor; }),
    perTag(A::Barcode, "Barcode", [](S a, S b) { return a.barcode == b.barcode; }),
    perTag(A::PictureSize, "Picture Size", [](S a, S b) { return a.ImageSize == b.ImageSize; }),
    perTag(A::PicturePosition, "Picture Position",
           [](S a, S b) {
               return a.ImageHorizontalOffset == b.ImageHorizontalOffset &&
                      a.ImageVerticalOffset == b.ImageVerticalOffset;
           }),
    shared(A::CornerTextFont, "Corner Text Font",
           [](D a, D b) { return sameFace(a.settings().valueFont, b.settings().valueFont); }),
    shared(A::TagTextFont, "Tag Text Font",
           [](D a, D b) { return sameFace(a.settings().textFont, b.settings().textFont); }),
    shared(
        A::TextBlockFont, "Text Block Font",
        [](D a, D b) { return sameFace(a.settings().textBlockFont, b.settings().textBlockFont); }),
    shared(A::CornerTextPlace, "Corner Text Place",
           [](D a, D b) { return a.settings().valuePlace == b.settings().valuePlace; }),
    shared(A::TagTextPlace, "Tag Text Place",
           [](D a, D b) { return a.settings().edgePlace == b.settings().edgePlace; }),
    shared(A::TextBlockAlignment, "Text Block Alignment",
           [](D a, D b) {
               return a.settings().textBlockAlignment == b.settings().textBlockAlignment;
           }),
    shared(A::TextBlockPosition, "Text Block Position",
           [](D a, D b) {
               return a.settings().textBlockWidthOffset == b.settings().textBlockWidthOffset &&
                      a.settings().textBlockHeightOffset == b.settings().textBlockHeightOffset;
           }),
    shared(A::HoleSize, "Hole Size",
           [](D a, D b) {
               return a.settings().hole.width == b.settings().hole.width &&
                      a.settings().hole.height == b.settings().hole.height;
           }),
    shared(A::HolePosition, "Hole Position",
           [](D a, D b) {
               return a.settings().hole.widthOffset == b.settings().hole.widthOffset &&
                      a.settings().hole.heightOffset == b.settings().hole.heightOffset;
           }),
    shared(A::NoHole, "No Hole",
           [](D a, D b) { return a.settings().hole.noHole == b.settings().hole.noHole; }),
    shared(A::CutLine, "Cut Line",
           [](D a, D b) { return a.settings().cutLineType == b.settings().cutLineType; }),
    shared(A::BlankSheet, "Blank Sheet",
           [](D a, D b) { return a.settings().blankSheet == b.settings().blankSheet; }),
    shared(A::TagsChecked, "Tags Checked",
           [](D a, D b) {
               for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
                   if (a.isSlotChecked(slot) != b.isSlotChecked(slot)) {
                       return false;
                   }
               }
               return true;
           }),
    shared(A::Copies, "Copies", [](D a, D b) { return a.printer().copies == b.printer().copies; }),
    shared(A::PrinterSetup, "Printer Setup",
           [](D a, D b) {
               return a.printer().index == b.printer().index &&
                      a.printer().name == b.printer().name &&
                      a.printer().paper == b.printer().paper &&
                      a.printer().landscape == b.printer().landscape;
           }),
    shared(A::PriceList, "Price List",
           [](D a, D b) { return a.priceListPath() == b.priceListPath(); }),
    shared(A::CuttingMarks, "Cutting Marks",
           [](D a, D b) { return a.cuttingMarks() == b.cuttingMarks(); }),
    shared(A::PrintImageAdjust, "Print Image Adjust",
           [](D a, D b) { return a.printImageAdjust() == b.printImageAdjust(); }),
    shownOnly(A::CornerTextField, [](D a, D b) { return a.valueEditText() == b.valueEditText(); }),
    shownOnly(A::TagTextField, [](D a, D b) { return a.textEditText() == b.textEditText(); }),
    shownOnly(A::TextBlockField, [](D a, D b) { return a.memoText() == b.memoText(); }),
    shownOnly(A::PictureFields,
              [](D a, D b) {
                  return a.percentPosition(PercentField::ImageSize) ==
                             b.percentPosition(PercentField::ImageSize) &&
                         a.percentPosition(PercentField::ImageHorizontalOffset) ==
                             b.percentPosition(PercentField::ImageHorizontalOffset) &&
                         a.percentPosition(PercentField::ImageVerticalOffset) ==
                             b.percentPosition(PercentField::ImageVerticalOffset);
              }),
    shownOnly(A::ColourChoices,
              [](D a, D b) {
                  return a.colorChoices().background == b.colorChoices().background &&
                         a.colorChoices().cutLine == b.colorChoices().cutLine &&
                         a.colorChoices().value == b.colorChoices().value &&
                         a.colorChoices().text == b.colorChoices().text &&
                         a.colorChoices().textBlock == b.colorChoices().textBlock &&
                         a.colorChoices().coloringColor == b.colorChoices().coloringColor;
              }),
    shownOnly(
        A::ColoringTypeChoice,
        [](D a, D b) { return a.colorChoices().coloringType == b.colorChoices().coloringType; }),
    shownOnly(A::FloatingTag, [](D a, D b) { return a.floatingTag() == b.floatingTag(); }),
};

// The table is the enum's own order, so that an aspect finds its rule by its number and the
// first changed aspect in the table is the most telling one.
consteval bool inEnumOrder() {
    std::size_t index = 0;
    for (const AspectRule& rule : kAspects) {
        if (static_cast<std::size_t>(rule.aspect) != index++) {
            return false;
        }
    }
    return index == kDesignAspectCount;
}
static_assert(inEnumOrder(), "one rule for each DesignAspect, in the enum's order");

} // namespace

DesignChange DesignChange::everything() {
    DesignChange change;
    change.aspects_.set();
    change.slots_.set();
    change.currentSlot_ = true;
    return change;
}

bool DesignChange::changedAny(std::initializer_list<DesignAspect> aspects) const {
    for (const DesignAspect aspect : aspects) {
        if (changed(aspect)) {
            return true;
        }
    }
    return false;
}

std::vector<DesignAspect> DesignChange::aspects() const {
    std::vector<DesignAspect> changedAspects;
    for (const AspectRule& rule : kAspects) {
        if (changed(rule.aspect)) {
            changedAspects.push_back(rule.aspect);
        }
    }
    return changedAspects;
}

QStringList DesignChange::undoNames() const {
    QStringList names;
    for (const AspectRule& rule : kAspects) {
        if (rule.undoName != nullptr && changed(rule.aspect)) {
            names << QString::fromLatin1(rule.undoName);
        }
    }
    return names;
}

DesignChange& DesignChange::operator|=(const DesignChange& other) {
    aspects_ |= other.aspects_;
    slots_ |= other.slots_;
    currentSlot_ = currentSlot_ || other.currentSlot_;
    return *this;
}

DesignChange changeBetween(const TagDesign& before, const TagDesign& after) {
    DesignChange change;
    for (const AspectRule& rule : kAspects) {
        if (rule.sameDesign != nullptr) {
            if (!rule.sameDesign(before, after)) {
                change.add(rule.aspect);
            }
            continue;
        }
        for (int slot = 0; slot < kSlotTableSize; ++slot) {
            const auto index = static_cast<std::size_t>(slot);
            if (!rule.sameSlot(before.slot(index), after.slot(index))) {
                change.add(rule.aspect);
                change.addSlot(slot);
            }
        }
    }
    if (before.currentSlot() != after.currentSlot()) {
        change.addCurrentSlot();
    }
    return change;
}

} // namespace veltmoor
