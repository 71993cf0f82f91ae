#include "output/SheetLayout.h"

#include <algorithm>

namespace veltmoor {

PicturedSlots PicturedSlots::of(std::initializer_list<int> slotNumbers) {
    PicturedSlots pictured;
    for (const int slot : slotNumbers) {
        pictured.set(slot);
    }
    return pictured;
}

PicturedSlots PicturedSlots::fromSlots(std::span<const img> slotTable) {
    PicturedSlots pictured;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        if (static_cast<std::size_t>(slot) < slotTable.size()) {
            pictured.set(slot, !slotTable[static_cast<std::size_t>(slot)].FileName.isEmpty());
        }
    }
    return pictured;
}

void PicturedSlots::set(int slot, bool holdsPicture) {
    if (slot >= kFirstSlot && slot <= kLastSlot) {
        holds_[static_cast<std::size_t>(slot - kFirstSlot)] = holdsPicture;
    }
}

bool PicturedSlots::holds(int slot) const {
    return slot >= kFirstSlot && slot <= kLastSlot &&
           holds_[static_cast<std::size_t>(slot - kFirstSlot)];
}

bool PicturedSlots::any() const {
    return std::any_of(holds_.begin(), holds_.end(), [](bool holds) { return holds; });
}

std::vector<TagPlacement> placeTags(const PicturedSlots& pictured, const PageGrid& grid,
                                    int TagWidthDots, int TagHeightDots) {
    std::vector<TagPlacement> placements;
    // The loop below only ends by placing tags, and tests the row only after placing:
    // without a picture it would never end, and a tag larger than the page would still
    // be placed once per row.
    if (!pictured.any() || !grid.tagFits() || TagWidthDots <= 0 || TagHeightDots <= 0) {
        return placements;
    }
    placements.reserve(static_cast<std::size_t>(grid.TagsAcross) *
                       static_cast<std::size_t>(grid.TagsDown));
    int x = grid.SheetMarginX;
    int y = grid.SheetMarginY;
    int s = PicturedSlots::kFirstSlot;
    while (true) {
        if (pictured.holds(s)) {
            placements.push_back({s, x, y});
            x += TagWidthDots;
        }
        s = s == PicturedSlots::kLastSlot ? PicturedSlots::kFirstSlot : s + 1;
        if (x < TagWidthDots * grid.TagsAcross) {
            continue;
        }
        x = grid.SheetMarginX;
        y += TagHeightDots;
        if (y >= TagHeightDots * grid.TagsDown) {
            break;
        }
    }
    return placements;
}

std::vector<TagPlacement> gridPlaces(const PageGrid& grid, int TagWidthDots, int TagHeightDots) {
    PicturedSlots every;
    for (int slot = PicturedSlots::kFirstSlot; slot <= PicturedSlots::kLastSlot; ++slot) {
        every.set(slot);
    }
    return placeTags(every, grid, TagWidthDots, TagHeightDots);
}

SheetPreviewReduction sheetPreviewReduction(int SheetWidth, int SheetHeight, int previewWidth,
                                            int previewHeight) {
    SheetPreviewReduction reduction;
    if (previewWidth <= 0 || previewHeight <= 0) {
        return reduction;
    }
    const int F = std::max(SheetWidth / previewWidth, SheetHeight / previewHeight) + 1;
    reduction.factor = F;
    reduction.area = Rect{0, 0, SheetWidth / F, SheetHeight / F};
    return reduction;
}

} // namespace veltmoor
