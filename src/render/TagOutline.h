#pragma once

#include "platform/Canvas.h"
#include "render/TagSettings.h"

#include <vector>

namespace veltmoor {

// One stroke of an outline, in tag dots: either a run of straight lines (a move to the first
// point, a line to each following one) or an arc of the ellipse inscribed in a box, running
// counter-clockwise on screen from the ray towards `start` to the ray towards `end`.
struct OutlineStroke {
    enum class Kind { Lines, Arc };
    Kind kind = Kind::Lines;
    std::vector<Point> points; // Lines
    Rect box;                  // Arc
    Point start;
    Point end;

    static OutlineStroke lines(std::vector<Point> points);
    static OutlineStroke arc(Rect box, Point start, Point end);
    friend bool operator==(const OutlineStroke&, const OutlineStroke&) = default;
};

// The strokes of an outline in drawing order. The raster routines draw them onto a tag
// bitmap and the cut files trace them as vector paths, so both follow the same rules.
using TagOutline = std::vector<OutlineStroke>;

// The contour of a shape on a W x H tag; an index that names no shape has none.
TagOutline tagOutline(int shapeIndex, int W, int H);

// The ring of the hanging hole on a W x H tag; no hole has none.
TagOutline holeOutline(int W, int H, const HoleSettings& hole);

// Draws the strokes with the canvas's current pen.
void drawOutline(Canvas& canvas, const TagOutline& outline);

} // namespace veltmoor
