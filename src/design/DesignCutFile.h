#pragma once

#include "design/TagDesign.h"
#include "output/CutFile.h"

#include <QImage>

namespace veltmoor {

// Where the design's tags and holes are cut and its marks lie on the paper of the page: the
// same tags in the same places as the printed sheet.
CutSheet designCutSheet(const TagDesign& design, const PageMetrics& page);

// The composed sheet of the design with everything outside the tags' cut lines transparent.
QImage designCuttingSheetPicture(const TagDesign& design, const Bitmap& sheet);

// One composed tag of the design with its outside transparent.
QImage designCuttingTagPicture(const TagDesign& design, const Bitmap& tag);

// Writes the cut file (.svg or .dxf, by the name's ending) of the sheet the design prints on
// the page. Throws UserError naming the file when the sheet holds no tag to cut (no slot
// holds a picture, or the tag is larger than the page) and when the file cannot be written.
void writeDesignCutFile(const TagDesign& design, const PageMetrics& page,
                        const QString& outputPath);

} // namespace veltmoor
