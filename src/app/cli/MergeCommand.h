#pragma once

#include <iosfwd>

namespace veltmoor {

struct CommandOptions;

// `veltmoor-tags merge DESIGN.vmg --data TABLE.csv|- (-o OUT | --printer NAME) ...`: one tag
// per row of a price list, the design's fields filled from the row, sheet after sheet, into
// one PDF, a series of pictures or one print job. Every row is read and checked before the
// first sheet is composed; `--check` stops there and tells the counts.
int runMergeCommand(const CommandOptions& options, std::ostream& out, std::ostream& err);

} // namespace veltmoor
