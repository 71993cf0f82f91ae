#include "design/DesignComposition.h"

#include "platform/Errors.h"
#include "render/BarcodeDrawing.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace veltmoor {

namespace {

void loadTextBlockIntoMemo(TagDesign& design) {
    const QString& text =
        design.Slots.at(static_cast<std::size_t>(design.CurrentSlot)).TextBlockText;
    if (design.TextBlockMemoText != text) {
        design.TextBlockMemoChange(text);
    }
}

} // namespace

TagCompositionInput compositionInputFor(const TagDesign& design, int slot,
                                        const PageMetrics& page) {
    TagCompositionInput input;
    input.slotNumber = slot;
    const img& record = design.Slots.at(static_cast<std::size_t>(slot));
    input.slot = record;
    input.settings = design.settings;
    input.TagWidthDots = design.TagWidthDots;
    input.TagHeightDots = design.TagHeightDots;
    input.mode = design.renderMode;
    input.Printing = design.Printing;
    input.page = page;
    return input;
}

SheetPlan sheetPlanFor(const TagDesign& design, const PageMetrics& page) {
    return planSheet(page, design.cuttingMarks, design.TagWidthDots, design.TagHeightDots);
}

ComposedTag composeCurrentSlot(TagDesign& design, const PageMetrics& page, PictureCache& pictures) {
    const int slot = design.CurrentSlot;
    // The slot's last tag is not read by a composition; it is set aside rather than copied
    // into the input on every redraw.
    img& record = design.Slots.at(static_cast<std::size_t>(slot));
    Bitmap lastTag = std::exchange(record.TagImage, Bitmap());
    TagCompositionInput input = compositionInputFor(design, slot, page);
    record.TagImage = std::move(lastTag);
    if (!input.composes()) {
        return {};
    }
    loadTextBlockIntoMemo(design);
    input.settings.TextBlockWidth = design.settings.TextBlockWidth;
    ComposedTag composed = DrawTagReal(input, pictures);
    if (composed.composed) {
        // The tag alone knows nothing of the marks that may narrow the sheet's grid.
        const SheetPlan plan = sheetPlanFor(design, page);
        composed.grid = plan.grid;
        composed.sizeLabel = withBarcodeNote(plan.sizeLabel, composed.barcodeProblem);
        design.Slots.at(static_cast<std::size_t>(slot)).TagImage = composed.tag;
        design.pageGrid = composed.grid;
    }
    return composed;
}

QString barcodeRefusal(int slot, const QString& problem) {
    return QStringLiteral("Tag %1: %2.").arg(slot).arg(problem);
}

void prefetchSlotPictures(const TagDesign& design, const PageMetrics& page, PictureCache& pictures,
                          int firstSlot, int lastSlot) {
    std::vector<PictureCache::Request> requests;
    for (int slot = std::max(firstSlot, kFirstSheetSlot); slot <= lastSlot; ++slot) {
        TagCompositionInput input = compositionInputFor(design, slot, page);
        if (input.composes()) {
            requests.push_back(pictureRequestFor(input, pictures));
        }
    }
    pictures.prefetch(requests);
}

void RefreshTessels(TagDesign& design, const PageMetrics& page, PictureCache& pictures) {
    prefetchSlotPictures(design, page, pictures, kFirstSheetSlot, kLastSheetSlot);
    const int current = design.CurrentSlot;
    const ReloadFlag reload = design.ReloadFromFiles;
    // Each slot's text block passes through the memo on its way to the tag. The memo keeps
    // the current slot's text: leaving it later writes its text into the checked slots.
    const QString memoText = design.TextBlockMemoText;
    const int memoWidth = design.settings.TextBlockWidth;
    const auto restore = [&] {
        design.CurrentSlot = current;
        design.TextBlockMemoText = memoText;
        design.settings.TextBlockWidth = memoWidth;
    };
    design.ReloadFromFiles = ReloadFlag::Yes;
    try {
        for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
            design.CurrentSlot = slot;
            const ComposedTag composed = composeCurrentSlot(design, page, pictures);
            if (!composed.barcodeProblem.isEmpty()) {
                throw UserError(barcodeRefusal(slot, composed.barcodeProblem));
            }
        }
    } catch (...) {
        restore();
        design.ReloadFromFiles = reload;
        throw;
    }
    restore();
    design.ReloadFromFiles = ReloadFlag::No;
    // The grid follows the tag size and the page alone, so it is known even when no slot
    // holds a picture.
    design.pageGrid = sheetPlanFor(design, page).grid;
}

} // namespace veltmoor
