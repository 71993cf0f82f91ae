#pragma once

#include "render/TagOutline.h"

#include <vector>

namespace veltmoor {

struct PointF {
    double x = 0;
    double y = 0;
};

// One piece of an outline traced as a vector path, in tag dots measured from the tag's
// top-left corner (so the centre of dot (x, y) lies at x + 0.5, y + 0.5), y downwards.
// A line runs from `from` to `to`. An arc is part of the ellipse with the given centre and
// radii, from angle `startAngle` through `sweep` (radians, counter-clockwise as seen on the
// screen, sweep > 0); `from` and `to` are its end points.
struct OutlineSegment {
    enum class Kind { Line, Arc };
    Kind kind = Kind::Line;
    PointF from;
    PointF to;
    PointF centre;
    double rx = 0;
    double ry = 0;
    double startAngle = 0;
    double sweep = 0;

    PointF pointAt(double angle) const; // on the arc's ellipse
};

using VectorOutline = std::vector<OutlineSegment>;

// The strokes of an outline as lines and elliptical arcs through the centres of the dots the
// raster routines paint: the same end points, boxes and directions, cut off where they leave
// the W x H tag as the drawing is clipped to the tag's bitmap.
VectorOutline traceOutline(const TagOutline& outline, int W, int H);

} // namespace veltmoor
