#include "app/cli/CommandLine.h"

#include <ostream>

#ifndef VELTMOOR_VERSION
#define VELTMOOR_VERSION "0.1.0"
#endif

namespace veltmoor {

namespace {

void printUsage(std::ostream& stream) {
    stream << "Usage: veltmoor-tags [--help] [--version]\n"
              "\n"
              "Designs and prints sheets of hanging tags.\n"
              "\n"
              "Options:\n"
              "  --help       show this text\n"
              "  --version    show the program's version\n";
}

} // namespace

bool isCommandLineRequest(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.at(1).startsWith(QLatin1Char('-'));
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(out);
        return kExitOk;
    }
    if (first == QLatin1String("--version")) {
        out << "veltmoor-tags " << VELTMOOR_VERSION << "\n";
        return kExitOk;
    }
    err << "veltmoor-tags: unknown option or verb \"" << first.toStdString() << "\".\n";
    printUsage(err);
    return kExitBadUsage;
}

} // namespace veltmoor
