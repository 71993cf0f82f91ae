#pragma once

#include "design/TagDesign.h"
#include "render/TagCompositor.h"

namespace veltmoor {

// What composing one slot of the design reads: the window, the sheet commands and the
// command line all build it here, so they compose the same tag. The slot's last composed
// tag is not read by a composition and is left out.
TagCompositionInput compositionInputFor(const TagDesign& design, int slot, const PageMetrics& page);

// Composes one slot of the design as it stands; nothing of the design changes. The slot's
// text block passes through the memo on its way to the tag: a text the memo does not hold
// is measured again, the memo's own keeps the width measured as it was typed.
// Returns the composition (composed is false for a slot without its picture).
ComposedTag composeSlot(const TagDesign& design, int slot, const PageMetrics& page,
                        PictureCache& pictures);

// The sheet's grid, marks and size label for the design's tag size and marks on the page.
SheetPlan sheetPlanFor(const TagDesign& design, const PageMetrics& page);

// Composes the design's current slot as the window does: the slot's text block is loaded
// into the memo first, which measures the block's width again when its text differs from
// what the memo held. Records the tag in the slot and the page grid in the design.
// Returns the composition (composed is false for a slot without its picture).
ComposedTag composeCurrentSlot(TagDesign& design, const PageMetrics& page, PictureCache& pictures);

// The message that refuses a sheet for the code of one of its tags, naming the tag.
QString barcodeRefusal(int slot, const QString& problem);

// Decodes the pictures of slots first to last at the sizes their tags show them, several at
// a time, so that composing the slots afterwards finds them decoded. Throws UserError when
// one of them cannot fit in the cache's memory (see PictureCache::prefetch).
void prefetchSlotPictures(const TagDesign& design, const PageMetrics& page, PictureCache& pictures,
                          int firstSlot, int lastSlot);

// Recomposes the sheet's slots 1 to 9 in a row from their stored pictures, each into its
// own TagImage; nothing else of the design changes but the page grid. The pictures are
// decoded first, together. A tag whose code cannot be drawn (bad data, or too large for its
// shape) stops it with a UserError naming the tag and the reason, so that no sheet is
// printed or written with a code missing.
void RefreshTessels(TagDesign& design, const PageMetrics& page, PictureCache& pictures);

} // namespace veltmoor
