#include "app/cli/CutFileCommand.h"

#include "design/DesignCutFile.h"
#include "platform/Errors.h"

namespace veltmoor {

void writeDesignCutFile(const TagDesign& design, const PageMetrics& page, const QString& designPath,
                        const QString& outputPath) {
    const CutSheet sheet = designCutSheet(design, page);
    if (sheet.tags.empty()) {
        throw UserError(QStringLiteral("%1 has no tag on its sheet (no slot holds a picture, or "
                                       "the tag is larger than the page), so there is nothing "
                                       "to cut.")
                            .arg(designPath));
    }
    writeCutFile(outputPath, sheet);
}

} // namespace veltmoor
