#pragma once

#include "app/cli/UsageError.h"

#include <QStringList>

#include <iosfwd>
#include <string>

namespace veltmoor {

enum ExitStatus : int { kExitOk = 0, kExitBadInput = 1, kExitBadUsage = 2 };

// Runs a command-line verb; returns the process exit status. Output and errors go to
// the given streams so tests can read them.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

// True when the arguments ask for the command line rather than the window.
bool isCommandLineRequest(const QStringList& arguments);

} // namespace veltmoor
