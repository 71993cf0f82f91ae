#pragma once

#include "printing/SheetPrinter.h"

#include <QString>

#include <vector>

namespace veltmoor {

// A design's paper as its printer can give it: the paper itself while the printer offers it,
// else the printer's default paper (an empty paper) and a message saying so. The built-in PDF
// printer has a paper of its own and takes the selection as it is.
struct OfferedPaper {
    QString paper;
    QString message; // empty while the design's paper stands
};

OfferedPaper offeredPaper(const PrinterSelection& selection,
                          const std::vector<PrinterDescription>& printers);
// The same on this computer's printers, asked only when the selection names a paper.
OfferedPaper offeredPaper(const PrinterSelection& selection);

} // namespace veltmoor
