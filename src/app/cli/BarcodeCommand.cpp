#include "app/cli/BarcodeCommand.h"

#include "app/cli/CommandLine.h"
#include "output/ImageExport.h"
#include "render/BarcodeDrawing.h"

namespace veltmoor {

void applyBarcodeOverride(const CommandOptions& options, TagDesign& design) {
    if (!options.has("--barcode")) {
        return;
    }
    for (int slot = kFirstSheetSlot; slot <= kLastSheetSlot; ++slot) {
        TagBarcode code = design.slot(slot).barcode;
        code.symbology = options.barcode.symbology;
        code.data = options.barcode.data;
        design.setSlotBarcode(slot, code);
    }
}

int runBarcodeCommand(const CommandOptions& options, std::ostream&, std::ostream&) {
    if (!options.has("--type") || !options.has("--data") || options.outputPath.isEmpty()) {
        throw UsageError{"barcode needs --type TYPE, --data DATA and -o OUT."};
    }
    // The digits in the edge text's font of a new design.
    const Font digitFont = tagTextFont(TagSettings{}.textFont, clBlack);
    exportPicture(options.outputPath, barcodePicture(options.barcode, digitFont));
    return kExitOk;
}

} // namespace veltmoor
