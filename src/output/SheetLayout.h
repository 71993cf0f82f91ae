#pragma once

#include "output/RegistrationMarks.h"
#include "platform/Bitmap.h"
#include "render/PageGrid.h"
#include "render/SlotRecord.h"

#include <array>
#include <initializer_list>
#include <span>
#include <vector>

namespace veltmoor {

// Which of the sheet's slots 1 to 9 hold a picture.
class PicturedSlots {
public:
    static constexpr int kFirstSlot = 1;
    static constexpr int kLastSlot = 9;

    PicturedSlots() = default;
    static PicturedSlots of(std::initializer_list<int> slotNumbers);
    // A slot holds a picture when it names a file; slots beyond the table hold none.
    static PicturedSlots fromSlots(std::span<const img> slotTable);

    void set(int slot, bool holdsPicture = true); // slots outside 1..9 are ignored
    bool holds(int slot) const;
    bool any() const;

private:
    std::array<bool, kLastSlot> holds_{};
};

struct TagPlacement {
    int slot = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const TagPlacement&, const TagPlacement&) = default;
};

// Where each tag of the sheet goes, left to right and top to bottom. The pictured slots
// follow one another in slot order and the cycle carries on from row to row; a slot
// without a picture leaves no gap. A sheet with no picture, or a tag that does not fit,
// gets no placement and stays white.
std::vector<TagPlacement> placeTags(const PicturedSlots& pictured, const PageGrid& grid,
                                    int TagWidthDots, int TagHeightDots);

// The white sheet of the grid's size. Throws UserError when it would be too large to hold in
// memory.
Bitmap blankSheet(const PageGrid& grid);
// The same in the memory of an earlier sheet.
void blankSheet(const PageGrid& grid, Bitmap& sheet);

// Where the tags of a sheet filled from end to end go: every place of the grid, left to right
// and top to bottom.
std::vector<TagPlacement> gridPlaces(const PageGrid& grid, int TagWidthDots, int TagHeightDots);

// The white sheet with each slot's last composed tag (its TagImage) drawn unscaled at its
// placement. slotTable is the slot table indexed by slot number. Throws UserError when the
// sheet would be too large to hold in memory.
Bitmap composeSheet(std::span<const img> slotTable, const PageGrid& grid, int TagWidthDots,
                    int TagHeightDots);

// The sheet as it is printed: the tags laid on the plan's grid, then the plan's marks for a
// cutting machine on top.
Bitmap composeSheet(std::span<const img> slotTable, const SheetPlan& plan, int TagWidthDots,
                    int TagHeightDots);

// The sheet preview shrinks by a whole factor so that the sheet fits the preview area.
struct SheetPreviewReduction {
    int factor = 0;
    Rect area; // where the reduced sheet lands on the preview, top-left aligned
    friend bool operator==(const SheetPreviewReduction&, const SheetPreviewReduction&) = default;
};

// An empty preview area (a window not laid out yet) gets factor 0 and an empty area.
SheetPreviewReduction sheetPreviewReduction(int SheetWidth, int SheetHeight, int previewWidth,
                                            int previewHeight);

// The preview picture: aqua, with the reduced sheet at the top-left.
Bitmap renderSheetPreview(const Bitmap& sheet, int previewWidth, int previewHeight);

} // namespace veltmoor
