#pragma once

#include "app/cli/CommandOptions.h"

#include <iosfwd>

namespace veltmoor {

// `veltmoor-tags calibrate --printer NAME [--pdf OUT.pdf] | --set dx,dy,sx,sy | --show`:
// prints the calibration sheet on the printer (or writes it as the PDF the printer would
// receive), keeps a measured profile for the printer, or shows the one it has.
int runCalibrateCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
