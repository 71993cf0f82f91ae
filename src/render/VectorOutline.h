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
// screen when sweep > 0, clockwise when it is negative); `from` and `to` are its end points.
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
    OutlineSegment reversed() const;    // the same piece run the other way
};

using VectorOutline = std::vector<OutlineSegment>;

// The strokes of an outline as lines and elliptical arcs through the centres of the dots the
// raster routines paint: the same end points, boxes and directions, cut off where they leave
// the W x H tag as the drawing is clipped to the tag's bitmap.
VectorOutline traceOutline(const TagOutline& outline, int W, int H);

// The traced pieces joined end to end into closed paths, as a cutter cuts them without
// lifting. The raster strokes stop a fraction or a few dots short of the stroke they meet,
// or overshoot it, and are drawn in no particular order; so each piece follows the one whose
// end lies nearest (run backwards where that is its end), a line and an arc meet where they
// cross, a line's end moves onto the arc it does not cross, and two arcs that stop apart are
// joined by a straight line. A path begins with the first piece as drawn and ends exactly
// where it begins; only ends more than a few dots apart stay open, as where a hole runs off
// the tag.
VectorOutline joinOutline(VectorOutline pieces);

// The paths of a joined outline: runs of pieces each beginning exactly where the one before
// ends, `closed` when the last ends exactly where the first begins.
struct OutlineRun {
    std::size_t first = 0;
    std::size_t end = 0; // one past the last
    bool closed = false;
};
std::vector<OutlineRun> outlineRuns(const VectorOutline& outline);

} // namespace veltmoor
