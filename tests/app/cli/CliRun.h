#pragma once

#include "app/cli/CommandLine.h"

#include <QStringList>

#include <sstream>
#include <string>

namespace veltmoor::test {

// The command line run in this process, as the program runs it: its status and what it
// wrote to standard output and standard error.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun runCli(QStringList arguments) {
    arguments.prepend(QStringLiteral("veltmoor-tags"));
    std::ostringstream out;
    std::ostringstream err;
    CliRun result;
    result.status = runCommandLine(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace veltmoor::test
