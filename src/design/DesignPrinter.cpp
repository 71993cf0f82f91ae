#include "design/DesignPrinter.h"

namespace veltmoor {

PrinterSelection printerSelectionOf(const TagDesign& design) {
    return {design.printer().name, design.printer().paper, design.printer().landscape};
}

} // namespace veltmoor
