#pragma once

#include "app/cli/CommandOptions.h"

#include <iosfwd>

namespace veltmoor {

// `veltmoor-tags printers`: one printer a line, the default marked, each with its paper and
// resolution; the built-in PDF printer when none is installed.
int runPrintersCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
