#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "render/TagSettings.h"

namespace veltmoor {

// The box of the hanging hole's ellipse on a W x H tag. The hole's width and height
// settings (hundredths of an inch) serve as half-sizes in tag dots, so the box is as many
// hundredths of an inch across as the settings say; the offsets place its centre in per cent
// of the tag, truncated after the product.
Rect HoleRect(int W, int H, const HoleSettings& hole);

// Draws the hole's outline on a W x H tag with the canvas's current pen, whatever colour
// and width the caller left it at: no pen, brush or colour is set here. Nothing is drawn
// when the tag has no hole.
void HoleTag(Canvas& canvas, int W, int H, const HoleSettings& hole);

} // namespace veltmoor
