#pragma once

#include "app/cli/CommandOptions.h"

#include <iosfwd>

namespace veltmoor {

// "tint PICTURE --type N -o OUT.bmp" writes the picture tinted with colouring N as an
// 8-bit bitmap; "tint --list" prints the colourings. Throws UsageError or UserError.
int runTintCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
