#pragma once

#include "design/TagDesign.h"
#include "output/PrinterChoice.h"

namespace veltmoor {

// The printer, paper and orientation the design prints on.
PrinterSelection printerSelectionOf(const TagDesign& design);

} // namespace veltmoor
