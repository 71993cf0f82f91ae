#pragma once

namespace veltmoor {

// The sizes that the tag outlines are built from, in tag dots, for a tag of W x H dots.
// Every value is 32-bit integer arithmetic with the product formed before a division that
// truncates toward zero: the outlines must land on the same dots as the original program's,
// so no rounding or floating point is allowed to creep in.

// The cut-off of the two top corners of the "Standard" tag: 15 per cent of the width, but
// never more than the height.
int standardCornerSize(int W, int H);

// Radii of the quarter-ellipse corners of "Rounded Corners" (also the bottom corners of
// "Scalloped").
struct CornerRadii {
    int rx = 0;
    int ry = 0;
};
CornerRadii roundedCornerRadii(int W, int H);

// Side of one square step of the "Southwestern" staircase (the staircase is two steps).
int southwestStepSize(int W, int H);

// The narrow edge of "Tapered" and "Fan-Tapered" runs from W div 3 to 2W div 3.
struct TaperedEdge {
    int left = 0;
    int right = 0;
};
TaperedEdge taperedNarrowEdge(int W);

// "Curved Ends", "Bow Tie" and "Fan-Curved End": the curve's ellipse reaches e dots beyond
// each side of the tag; its arcs meet the straight sides k dots from the top and bottom.
struct CurvedEndSizes {
    int e = 0;
    int k = 0;
};
CurvedEndSizes curvedEndSizes(int W, int H);

// "Scalloped": each scallop is a quarter ellipse c wide and v high; on tags too low for
// three scallops of that height, v shrinks to a ninth of the height.
struct ScallopSizes {
    int c = 0;
    int v = 0;
};
ScallopSizes scallopSizes(int W, int H);

// The keyhole circle of "Keyhole", "Fan-Keyhole" and "Fan-Curved End": diameter s, chord q
// between the two points where the straight sides join it (45 degrees off the axis), left
// edge bx of its box, and the row the sides end on (yq for the circle at the top, yf for the
// circle at the bottom). bitmapWidth and bitmapHeight are the drawing bitmap's own size,
// which is what the diameter is taken from.
struct KeyholeSizes {
    int s = 0;
    int q = 0;
    int bx = 0;
    int yq = 0;
    int yf = 0;
};
KeyholeSizes keyholeSizes(int W, int H, int bitmapWidth, int bitmapHeight);

// Radius of the four concave corner notches of "Ticket".
int ticketNotchRadius(int W, int H);

} // namespace veltmoor
