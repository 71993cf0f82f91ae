#pragma once

#include "platform/Canvas.h"
#include "render/TagSettings.h"
#include "render/TagShapes.h"

#include <memory>
#include <vector>

namespace veltmoor {

// What decides a tag's cut and where its background goes: the shape, the size in tag dots
// and the hole. Colours, picture and texts play no part.
struct TagGeometry {
    int shapeIndex = kShapeNone;
    int width = 0;
    int height = 0;
    HoleSettings hole;
    friend bool operator==(const TagGeometry&, const TagGeometry&) = default;
};

// A geometry's work, done once, as runs of dots.
struct TagStencil {
    // The dots the background colour covers: the one-dot outline, the hole's ring and all a
    // fill from the tag's centre reaches within them. Every other dot keeps the outside
    // marker the tag starts as, until the picture covers it.
    std::vector<Span> background;
    ShapeCut cut;
};

TagStencil makeTagStencil(const TagGeometry& geometry);

// The stencil of a geometry, made on first use and kept for the few geometries used last.
// Every edit other than of the size, shape or hole, and every tag of a sheet, shares one, so
// composing a tag costs little more than painting it. Safe to call from several threads.
std::shared_ptr<const TagStencil> tagStencil(const TagGeometry& geometry);

} // namespace veltmoor
