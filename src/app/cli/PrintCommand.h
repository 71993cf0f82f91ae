#pragma once

#include "app/cli/CommandOptions.h"

#include <iosfwd>

namespace veltmoor {

// `veltmoor-tags print DESIGN.vmg [--printer NAME] [--copies N] [--pdf OUT.pdf]
// [--marks none|3|4] [--no-calibration] [--allow-missing]`: refuses a design whose pictures
// cannot all be loaded unless allowed, then composes the sheet as "Print Page" does, with the
// design's marks for a cutting machine or the ones given, and prints it through the same code
// (corrected by the printer's calibration unless told not to), or writes the PDF
// the built-in PDF printer writes.
int runPrintCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
