#pragma once

#include "design/TagDesign.h"
#include "render/TagBarcode.h"

#include <QStringList>

#include <optional>

namespace veltmoor {

// `--barcode TYPE:DATA`: a code for every tag of the sheet for one run.
struct BarcodeOverride {
    Symbology symbology = Symbology::None;
    QString data;
};

// The value of --barcode at index; moves index onto it. Throws UsageError for an unknown type.
BarcodeOverride barcodeOptionValue(const QStringList& arguments, int& index);

// Gives every tag of the sheet (slots 1 to 9) the code, keeping each tag's placement, module
// width and height, as --marks overrides the design's marks.
void applyBarcodeOverride(const std::optional<BarcodeOverride>& barcode, TagDesign& design);

// `veltmoor-tags barcode --type TYPE --data DATA -o OUT [--module N]`: one code alone at
// 200 dots per inch, for a quick look.
int runBarcodeCommand(const QStringList& arguments);

} // namespace veltmoor
