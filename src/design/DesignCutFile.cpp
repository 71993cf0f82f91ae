#include "design/DesignCutFile.h"

#include "design/DesignComposition.h"
#include "output/CuttingPicture.h"
#include "platform/Errors.h"

namespace veltmoor {

namespace {

std::vector<TagPlacement> sheetPlacements(const TagDesign& design, const PageGrid& grid) {
    return placeTags(PicturedSlots::fromSlots(design.slotTable()), grid, design.tagWidthDots(),
                     design.tagHeightDots());
}

} // namespace

CutSheet designCutSheet(const TagDesign& design, const PageMetrics& page) {
    CutSheetInput input;
    input.shapeIndex = design.settings().shapeIndex;
    input.hole = design.settings().hole;
    input.TagWidthDots = design.tagWidthDots();
    input.TagHeightDots = design.tagHeightDots();
    input.plan = sheetPlanFor(design, page);
    input.placements = sheetPlacements(design, input.plan.grid);
    input.page = page;
    return cutSheetFor(input);
}

QImage designCuttingSheetPicture(const TagDesign& design, const Bitmap& sheet) {
    return transparentSheet(sheet, sheetPlacements(design, design.pageGrid()),
                            design.settings().shapeIndex, design.settings().hole,
                            design.tagWidthDots(), design.tagHeightDots());
}

QImage designCuttingTagPicture(const TagDesign& design, const Bitmap& tag) {
    return transparentTag(tag, design.settings().shapeIndex, design.settings().hole);
}

void writeDesignCutFile(const TagDesign& design, const PageMetrics& page,
                        const QString& outputPath) {
    const CutSheet sheet = designCutSheet(design, page);
    if (sheet.tags.empty()) {
        throw UserError(QStringLiteral("Nothing was written to %1: no tag lies on the sheet (no "
                                       "slot holds a picture, or the tag is larger than the "
                                       "page), so there is nothing to cut.")
                            .arg(outputPath));
    }
    writeCutFile(outputPath, sheet);
}

} // namespace veltmoor
