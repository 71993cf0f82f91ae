#pragma once

#include "design/TagDesign.h"
#include "platform/PictureFile.h"
#include "render/PictureCache.h"

namespace veltmoor {

struct ColoredSlotPicture {
    IndexedBitmap picture; // the tinted picture at full size, for the slot's thumbnails
    Redraw redraw = Redraw::Scheduled;
};

// "Use Colored Image": tints the slot's own picture (its SourceFileName, never an earlier
// tinted copy) with the type, writes the copy into the working folder and makes the slot
// use it. Throws UserError naming the file when the picture cannot be read or the copy
// cannot be written; the slot then keeps its picture and colouring.
ColoredSlotPicture UseColoredImage(TagDesign& design, int slot, int type,
                                   PictureCache* pictures = nullptr);

// "Cancel Coloring Image": the slot goes back to its own picture, untinted.
Redraw CancelColoringImage(TagDesign& design, int slot);

// A tinted slot whose copy is gone (the design came from another computer, or the working
// folder was emptied) while its own picture is still there: the copy is made again and
// the slot names it. Returns false when the slot is not such a slot. Throws UserError when
// the picture cannot be read or the copy cannot be written.
bool remakeMissingTintedCopy(TagDesign& design, int slot, PictureCache* pictures = nullptr);

} // namespace veltmoor
