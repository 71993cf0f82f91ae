#pragma once

#include "app/cli/CommandOptions.h"

#include <iosfwd>

namespace veltmoor {

// The verbs that read a design and write what it makes without a printer: the sheet or a tag
// as a picture (render), the cut file (cutfile), the size label and page grid (layout) and the
// design as JSON (info).
int runRenderCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);
int runCutfileCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);
int runLayoutCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);
int runInfoCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
