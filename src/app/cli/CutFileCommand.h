#pragma once

#include "design/TagDesign.h"

#include <QString>

namespace veltmoor {

// The "cutfile" verb: writes the cut file (.svg or .dxf) of the sheet the design prints on
// the page. Throws UserError naming the design when no slot holds a picture, so that there
// is no tag to cut, and for a file that cannot be written.
void writeDesignCutFile(const TagDesign& design, const PageMetrics& page, const QString& designPath,
                        const QString& outputPath);

} // namespace veltmoor
