#pragma once

#include "app/cli/CommandOptions.h"

#include <iosfwd>

namespace veltmoor {

// `veltmoor-tags save DESIGN.vmg -o OUT.vmg`: opens the design as the window opens it and
// writes it back as "Save Tag..." writes it, so scripts can bring old designs up to date.
int runSaveCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
