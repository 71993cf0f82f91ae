#include "design/DesignComposition.h"

#include "design/TextMeasure.h"
#include "platform/Errors.h"
#include "render/BarcodeDrawing.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace veltmoor {

namespace {

// The text block as the memo holds it while slots pass through it on their way to a tag.
struct MemoText {
    QString text;
    int width = 0;
};

// A slot's settings without its last composed tag, which no composition reads. Copied whole
// and then emptied, so that a setting added to the slot later can never be left behind; the
// copy of one tag's pixels costs far less than composing it.
img withoutComposedTag(const img& record) {
    img slot = record;
    slot.TagImage = Bitmap();
    return slot;
}

// Composes a slot with the memo as given; the memo then holds the slot's text block.
ComposedTag composeThroughMemo(const TagDesign& design, int slot, const PageMetrics& page,
                               PictureCache& pictures, MemoText& memo) {
    TagCompositionInput input = compositionInputFor(design, slot, page);
    if (!input.composes()) {
        return {};
    }
    if (memo.text != input.slot.TextBlockText) {
        memo.text = input.slot.TextBlockText;
        memo.width = textBlockWidthFor(design.settings().textBlockFont, memo.text);
    }
    input.settings.TextBlockWidth = memo.width;
    ComposedTag composed = DrawTagReal(input, pictures);
    if (composed.composed) {
        // The tag alone knows nothing of the marks that may narrow the sheet's grid.
        const SheetPlan plan = sheetPlanFor(design, page);
        composed.grid = plan.grid;
        composed.sizeLabel = withBarcodeNote(plan.sizeLabel, composed.barcodeProblem);
    }
    return composed;
}

MemoText memoOf(const TagDesign& design) {
    return {design.memoText(), design.settings().TextBlockWidth};
}

} // namespace

TagCompositionInput compositionInputFor(const TagDesign& design, int slot,
                                        const PageMetrics& page) {
    TagCompositionInput input;
    input.slotNumber = slot;
    input.slot = withoutComposedTag(design.slot(slot));
    input.settings = design.settings();
    input.TagWidthDots = design.tagWidthDots();
    input.TagHeightDots = design.tagHeightDots();
    input.mode = design.renderMode();
    input.Printing = design.printing();
    input.page = page;
    return input;
}

SheetPlan sheetPlanFor(const TagDesign& design, const PageMetrics& page) {
    return planSheet(page, design.cuttingMarks(), design.tagWidthDots(), design.tagHeightDots());
}

ComposedTag composeSlot(const TagDesign& design, int slot, const PageMetrics& page,
                        PictureCache& pictures) {
    MemoText memo = memoOf(design);
    return composeThroughMemo(design, slot, page, pictures, memo);
}

ComposedTag composeCurrentSlot(TagDesign& design, const PageMetrics& page, PictureCache& pictures) {
    const int slot = design.currentSlot();
    MemoText memo = memoOf(design);
    ComposedTag composed = composeThroughMemo(design, slot, page, pictures, memo);
    if (memo.text != design.memoText()) {
        design.TextBlockMemoChange(memo.text);
    }
    if (composed.composed) {
        design.recordComposedTag(slot, composed.tag);
        design.recordPageGrid(composed.grid);
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
    // Every tag is composed before the design takes any of them, so a refused tag leaves
    // the design as it was.
    std::array<ComposedTag, kLastSheetSlot + 1> composed;
    // Each slot's text block passes through the memo on its way to the tag; the window's
    // memo keeps the current slot's text.
    MemoText memo = memoOf(design);
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        composed.at(static_cast<std::size_t>(slot)) =
            composeThroughMemo(design, slot, page, pictures, memo);
        const QString& problem = composed.at(static_cast<std::size_t>(slot)).barcodeProblem;
        if (!problem.isEmpty()) {
            throw UserError(barcodeRefusal(slot, problem));
        }
    }
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        ComposedTag& tag = composed.at(static_cast<std::size_t>(slot));
        if (tag.composed) {
            design.recordComposedTag(slot, std::move(tag.tag));
        }
    }
    design.setReloadFromFiles(ReloadFlag::No);
    // The grid follows the tag size and the page alone, so it is known even when no slot
    // holds a picture.
    design.recordPageGrid(sheetPlanFor(design, page).grid);
}

} // namespace veltmoor
