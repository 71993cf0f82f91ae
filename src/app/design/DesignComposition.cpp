#include "app/design/DesignComposition.h"

namespace veltmoor {

TagCompositionInput compositionInputFor(const TagDesign& design, int slot,
                                        const PageMetrics& page) {
    TagCompositionInput input;
    input.slotNumber = slot;
    const img& record = design.Slots.at(static_cast<std::size_t>(slot));
    input.slot = record;
    input.slot.TagImage = Bitmap();
    input.settings = design.settings;
    input.TagWidthDots = design.TagWidthDots;
    input.TagHeightDots = design.TagHeightDots;
    input.mode = design.renderMode;
    input.Printing = design.Printing;
    input.page = page;
    return input;
}

ComposedTag composeCurrentSlot(TagDesign& design, const PageMetrics& page, PictureCache& pictures) {
    const int slot = design.CurrentSlot;
    ComposedTag composed = DrawTagReal(compositionInputFor(design, slot, page), pictures);
    if (composed.composed) {
        design.Slots.at(static_cast<std::size_t>(slot)).TagImage = composed.tag;
        design.pageGrid = composed.grid;
    }
    return composed;
}

void refreshSheetSlots(TagDesign& design, const PageMetrics& page, PictureCache& pictures) {
    RefreshTessels(design.Slots, compositionInputFor(design, kFirstSheetSlot, page), pictures);
    // The grid follows the tag size and the page alone, so it is known even when no slot
    // holds a picture.
    design.pageGrid = computePageGrid(page, design.TagWidthDots, design.TagHeightDots);
}

} // namespace veltmoor
