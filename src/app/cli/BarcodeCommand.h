#pragma once

#include "app/cli/CommandOptions.h"
#include "design/TagDesign.h"

#include <iosfwd>

namespace veltmoor {

// With --barcode, gives every tag of the sheet (slots 1 to 9) its symbology and data, keeping
// each tag's placement, module width and height, as --marks overrides the design's marks.
void applyBarcodeOverride(const CommandOptions& options, TagDesign& design);

// `veltmoor-tags barcode --type TYPE --data DATA -o OUT [--module N]`: one code alone at
// 200 dots per inch, for a quick look.
int runBarcodeCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
