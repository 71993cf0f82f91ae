#include "output/SheetLayout.h"

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <cstdint>

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

Bitmap composeSheet(std::span<const img> slotTable, const PageGrid& grid, int TagWidthDots,
                    int TagHeightDots) {
    const std::int64_t pixels =
        static_cast<std::int64_t>(std::max(grid.SheetWidth, 0)) * std::max(grid.SheetHeight, 0);
    if (pixels > kMaxPicturePixels) {
        throw UserError(QStringLiteral("A sheet of %1 x %2 dots is too large to compose.")
                            .arg(grid.SheetWidth)
                            .arg(grid.SheetHeight));
    }
    Bitmap sheet(std::max(grid.SheetWidth, 0), std::max(grid.SheetHeight, 0), clWhite);
    Canvas canvas(sheet);
    for (const TagPlacement& placement :
         placeTags(PicturedSlots::fromSlots(slotTable), grid, TagWidthDots, TagHeightDots)) {
        canvas.draw(placement.x, placement.y,
                    slotTable[static_cast<std::size_t>(placement.slot)].TagImage);
    }
    return sheet;
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

Bitmap renderSheetPreview(const Bitmap& sheet, int previewWidth, int previewHeight) {
    Bitmap preview(std::max(previewWidth, 0), std::max(previewHeight, 0), clAqua);
    const SheetPreviewReduction reduction =
        sheetPreviewReduction(sheet.width(), sheet.height(), previewWidth, previewHeight);
    if (!reduction.area.isEmpty()) {
        Canvas canvas(preview);
        canvas.stretchDraw(reduction.area, sheet);
    }
    return preview;
}

} // namespace veltmoor
