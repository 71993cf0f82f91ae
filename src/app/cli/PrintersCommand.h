#pragma once

#include <QStringList>

#include <iosfwd>

namespace veltmoor {

// `veltmoor-tags printers`: one printer a line, the default marked, each with its paper and
// resolution; the built-in PDF printer when none is installed.
int runPrintersCommand(const QStringList& arguments, std::ostream& out);

} // namespace veltmoor
