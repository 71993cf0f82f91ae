#include "render/TagStencil.h"

#include "platform/OnAllCores.h"
#include "render/HoleTag.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <utility>

namespace veltmoor {

namespace {

constexpr TColor kUncovered = clBtnFace;
constexpr TColor kCovered = clBlack;
constexpr std::size_t kKeptStencils = 8;

// Paints the background as a composition does, in a colour of its own: the outline and the
// hole's ring with a one-dot pen, then a border fill from the centre.
std::vector<Span> backgroundCoverage(const TagGeometry& geometry) {
    Bitmap plane(geometry.width, geometry.height, kUncovered);
    if (plane.isEmpty()) {
        return {};
    }
    Canvas canvas(plane);
    canvas.pen() = Pen{kCovered, 1};
    drawTagOutline(geometry.shapeIndex, canvas, kCovered);
    HoleTag(canvas, geometry.width, geometry.height, geometry.hole);
    canvas.brush() = Brush{kCovered, BrushStyle::Solid};
    canvas.floodFill(geometry.width / 2, geometry.height / 2, kCovered, FillMode::Border);
    return pixelRuns(plane, kCovered);
}

// Tags without a hole share a stencil whatever the hole's other settings say.
TagGeometry normalised(TagGeometry geometry) {
    if (geometry.hole.noHole) {
        geometry.hole = HoleSettings{0, 0, 0, 0, true};
    }
    return geometry;
}

} // namespace

TagStencil makeTagStencil(const TagGeometry& geometry) {
    // The cut and the background are independent searches of about the tag's whole area.
    TagStencil stencil;
    std::atomic<int> next{0};
    runOnAllCores(2, [&] {
        for (int part = next++; part < 2; part = next++) {
            if (part == 0) {
                stencil.cut = shapeCutFor(geometry.shapeIndex, geometry.width, geometry.height);
            } else {
                stencil.background = backgroundCoverage(geometry);
            }
        }
    });
    return stencil;
}

std::shared_ptr<const TagStencil> tagStencil(const TagGeometry& wanted) {
    using Entry = std::pair<TagGeometry, std::shared_ptr<const TagStencil>>;
    static std::mutex guard;
    static std::vector<Entry> kept; // the most recently used last

    const TagGeometry geometry = normalised(wanted);
    {
        const std::lock_guard lock(guard);
        const auto found = std::find_if(
            kept.begin(), kept.end(), [&](const Entry& entry) { return entry.first == geometry; });
        if (found != kept.end()) {
            std::rotate(found, found + 1, kept.end());
            return kept.back().second;
        }
    }
    // Made outside the lock, so that other geometries are not held up; two threads that
    // miss the same geometry at once both make it, and either result is right.
    auto made = std::make_shared<const TagStencil>(makeTagStencil(geometry));
    const std::lock_guard lock(guard);
    if (kept.size() >= kKeptStencils) {
        kept.erase(kept.begin());
    }
    kept.emplace_back(geometry, made);
    return made;
}

} // namespace veltmoor
