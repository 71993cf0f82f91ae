#pragma once

#include "app/design/TagDesign.h"
#include "render/TagCompositor.h"

namespace veltmoor {

// What composing one slot of the design reads: the window, the sheet commands and the
// command line all build it here, so they compose the same tag.
TagCompositionInput compositionInputFor(const TagDesign& design, int slot, const PageMetrics& page);

// Composes the design's current slot as the window does, and records the page grid it
// computed. Returns the composition (composed is false for a slot without its picture).
ComposedTag composeCurrentSlot(TagDesign& design, const PageMetrics& page, PictureCache& pictures);

// Recomposes slots 1 to 9 for a sheet and records the page grid.
void refreshSheetSlots(TagDesign& design, const PageMetrics& page, PictureCache& pictures);

} // namespace veltmoor
