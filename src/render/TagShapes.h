#pragma once

#include "platform/Canvas.h"
#include "platform/TColor.h"
#include "render/TagSettings.h"

#include <span>
#include <vector>

namespace veltmoor {

// Outline routines. Each sets the canvas's pen colour to `color` and draws the shape's
// contour for a tag the size of the canvas's bitmap. The pen width is the caller's: 1 for
// the background and mask contour, the cut-line width for the cut line. Nothing else of the
// canvas is changed, except the current position that the strokes leave behind.
void StandardTag(Canvas& canvas, TColor color);
void RectangleTag(Canvas& canvas, TColor color);
void RoundedCornerTag(Canvas& canvas, TColor color);
void SouthwestTag(Canvas& canvas, TColor color);
void TaperTag(Canvas& canvas, TColor color);
void CurvedEndsTag(Canvas& canvas, TColor color);
void OvalTag(Canvas& canvas, TColor color);
void BowtieTag(Canvas& canvas, TColor color);
void ScallopedTag(Canvas& canvas, TColor color);
void TriangleTag(Canvas& canvas, TColor color);
void KeyHoleTag(Canvas& canvas, TColor color);
void FanTaperTag(Canvas& canvas, TColor color);
void FanKeyHoleTag(Canvas& canvas, TColor color);
void FanCurvedEndTag(Canvas& canvas, TColor color);
void TicketTag(Canvas& canvas, TColor color);

// Mask routines: cut an already composed tag (the canvas's bitmap) to the shape. Every
// pixel outside the contour becomes the outside marker clBtnFace, and the outside regions
// that hold the shape's seed points (the corners, and the sides of the bow tie) become
// white. Contour and inside pixels are never touched. `color` is the tag's background
// colour; it only names the colour the caller filled the inside with and may be anything,
// the marker included. Leaves the canvas's brush white.
void StandardTagShapeImage(Canvas& tag, TColor color);
void RectangleTagShapeImage(Canvas& tag, TColor color);
void RoundedCornerTagShapeImage(Canvas& tag, TColor color);
void SouthwestTagShapeImage(Canvas& tag, TColor color);
void TaperTagShapeImage(Canvas& tag, TColor color);
void CurvedEndsTagShapeImage(Canvas& tag, TColor color);
void OvalTagShapeImage(Canvas& tag, TColor color);
void BowtieTagShapeImage(Canvas& tag, TColor color);
void ScallopedTagShapeImage(Canvas& tag, TColor color);
void TriangleTagShapeImage(Canvas& tag, TColor color);
void KeyHoleTagShapeImage(Canvas& tag, TColor color);
void FanTaperTagShapeImage(Canvas& tag, TColor color);
void FanKeyHoleTagShapeImage(Canvas& tag, TColor color);
void FanCurvedEndTagShapeImage(Canvas& tag, TColor color);
void TicketTagShapeImage(Canvas& tag, TColor color);

using TagOutlineRoutine = void (*)(Canvas&, TColor);
using TagMaskRoutine = void (*)(Canvas&, TColor);

struct TagShape {
    const char* caption; // as the shape choice lists it ("Bow Tie " keeps its blank)
    TagOutlineRoutine outline;
    TagMaskRoutine mask;
};

// The fifteen shapes in the order of the shape choice (index 0 "Standard" .. 14 "Ticket").
std::span<const TagShape> tagShapes();

// The shape for an index of the shape choice, or nullptr when the index names none (no
// item selected): such a tag gets no outline and is not cut.
const TagShape* findTagShape(int shapeIndex);

// Dispatch by shape index; an index that names no shape draws and cuts nothing.
void drawTagOutline(int shapeIndex, Canvas& canvas, TColor color);
void cutTagToShape(int shapeIndex, Canvas& tag, TColor color);

// The mask plane of a shape for a W x H tag: clBtnFace outside the contour, black on the
// contour and inside it. This is what the mask routines cut by; exposed for tests and for
// showing a shape on its own.
Bitmap tagShapeMask(int shapeIndex, int W, int H);

// The same for any outline and its seed points. The inside is what a fill from the tag's
// centre reaches within the one-dot contour. Should that fill reach a seed (the contour has
// a gap), the inside is found again across the gap, so that a contour broken by a dot or
// two still cuts the tag along its strokes instead of not at all.
Bitmap tagMaskFromOutline(TagOutlineRoutine outline, int W, int H, std::span<const Point> seeds);

// Cuts a tag by the mask of any outline, whitening the outside regions of the seeds.
void cutTagByOutline(Canvas& tag, TagOutlineRoutine outline, std::span<const Point> seeds);

// A shape's cut depends on the tag's size alone, so it can be worked out once and applied to
// every tag of that size: the runs of dots it turns into the outside marker, and those (the
// outside regions of the seeds) it whitens. Applying it cuts exactly as the shape's mask
// routine does; no shape cuts nothing.
struct ShapeCut {
    std::vector<Span> outside;
    std::vector<Span> whitened;
};
ShapeCut shapeCutFor(int shapeIndex, int W, int H);
void applyShapeCut(Bitmap& tag, const ShapeCut& cut);

// The points whose outside regions the mask routine of a shape turns white, in order.
std::vector<Point> tagShapeSeedPoints(int shapeIndex, int W, int H);

} // namespace veltmoor
