#include "design/DesignPrinter.h"

namespace veltmoor {

PrinterSelection printerSelectionOf(const TagDesign& design) {
    return {design.PrinterName, design.PrinterPaper, design.landscape};
}

} // namespace veltmoor
