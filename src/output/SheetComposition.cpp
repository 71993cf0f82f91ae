#include "output/SheetLayout.h"

#include "platform/Canvas.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <cstdint>

namespace veltmoor {

Bitmap blankSheet(const PageGrid& grid) {
    Bitmap sheet;
    blankSheet(grid, sheet);
    return sheet;
}

void blankSheet(const PageGrid& grid, Bitmap& sheet) {
    const std::int64_t pixels =
        static_cast<std::int64_t>(std::max(grid.SheetWidth, 0)) * std::max(grid.SheetHeight, 0);
    if (pixels > kMaxPicturePixels) {
        throw UserError(QStringLiteral("A sheet of %1 x %2 dots is too large to compose.")
                            .arg(grid.SheetWidth)
                            .arg(grid.SheetHeight));
    }
    sheet.resize(std::max(grid.SheetWidth, 0), std::max(grid.SheetHeight, 0), clWhite);
}

Bitmap composeSheet(std::span<const img> slotTable, const PageGrid& grid, int TagWidthDots,
                    int TagHeightDots) {
    Bitmap sheet = blankSheet(grid);
    Canvas canvas(sheet);
    for (const TagPlacement& placement :
         placeTags(PicturedSlots::fromSlots(slotTable), grid, TagWidthDots, TagHeightDots)) {
        canvas.draw(placement.x, placement.y,
                    slotTable[static_cast<std::size_t>(placement.slot)].TagImage);
    }
    return sheet;
}

Bitmap composeSheet(std::span<const img> slotTable, const SheetPlan& plan, int TagWidthDots,
                    int TagHeightDots) {
    Bitmap sheet = composeSheet(slotTable, plan.grid, TagWidthDots, TagHeightDots);
    drawRegistrationMarks(sheet, plan);
    return sheet;
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
