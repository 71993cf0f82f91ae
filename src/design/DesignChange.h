#pragma once

#include "design/TagDesign.h"

#include <QStringList>

#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace veltmoor {

// The parts of a design a change can reach, most telling first: a preset or a shape change
// moves other settings along with it, and an Undo step is named after the first of its
// aspects. From `CornerTextField` on they are not changes of the design for Undo (the
// fields showing the current tag's values, the dialogs' last choices), but the
// window shows them, so they are announced all the same.
enum class DesignAspect {
    AddressLabels,
    Shape,
    Picture,
    Tint,
    TagSize,
    CornerText,
    TagText,
    TextBlock,
    BackgroundColour,
    CutLineColour,
    CornerTextColour,
    TagTextColour,
    TextBlockColour,
    Barcode,
    PictureSize,
    PicturePosition,
    CornerTextFont,
    TagTextFont,
    TextBlockFont,
    CornerTextPlace,
    TagTextPlace,
    TextBlockAlignment,
    TextBlockPosition,
    HoleSize,
    HolePosition,
    NoHole,
    CutLine,
    BlankSheet,
    TagsChecked,
    Copies,
    PrinterSetup,
    PriceList,
    CuttingMarks,
    PrintImageAdjust,
    // Shown, never a step of Undo.
    CornerTextField,
    TagTextField,
    TextBlockField,
    PictureFields,
    ColourChoices,
    ColoringTypeChoice,
    FloatingTag,
    Count
};

constexpr std::size_t kDesignAspectCount = static_cast<std::size_t>(DesignAspect::Count);

// What one operation (or one step of Undo, or opening a design) changed: which aspects,
// which slots, and whether another slot became the current one. The window turns it into
// one announcement, and each view shows again only what it shows of the change.
class DesignChange {
public:
    // Opening or starting a design: every view shows everything again.
    static DesignChange everything();

    bool isEmpty() const { return aspects_.none() && slots_.none() && !currentSlot_; }
    bool changed(DesignAspect aspect) const {
        return aspects_.test(static_cast<std::size_t>(aspect));
    }
    bool changedAny(std::initializer_list<DesignAspect> aspects) const;
    // The changed aspects, most telling first.
    std::vector<DesignAspect> aspects() const;
    const std::bitset<kSlotTableSize>& changedSlots() const { return slots_; }
    bool currentSlotChanged() const { return currentSlot_; }

    // The names Undo gives the changed aspects that are changes of the design ("Background
    // Colour", "Shape", ...), most telling first; empty when nothing Undo takes back changed.
    QStringList undoNames() const;

    void add(DesignAspect aspect) { aspects_.set(static_cast<std::size_t>(aspect)); }
    void addSlot(int slot) { slots_.set(static_cast<std::size_t>(slot)); }
    void addCurrentSlot() { currentSlot_ = true; }
    DesignChange& operator|=(const DesignChange& other);

private:
    std::bitset<kDesignAspectCount> aspects_;
    std::bitset<kSlotTableSize> slots_;
    bool currentSlot_ = false;
};

// What differs between two snapshots of a design. The slots' composed tags are not compared:
// they are made again from the rest.
DesignChange changeBetween(const TagDesign& before, const TagDesign& after);

} // namespace veltmoor
