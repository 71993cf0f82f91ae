#include "app/cli/TintCommand.h"

#include "app/cli/CommandLine.h"
#include "images/TintPalettes.h"
#include "images/TintedCopy.h"

#include <ostream>

namespace veltmoor {

namespace {

// The rules between tint's options, which the option table cannot tell.
void checkTintOptions(const CommandOptions& options) {
    if (options.list) {
        if (!options.operand.isEmpty() || options.type || !options.outputPath.isEmpty()) {
            throw UsageError{"tint --list takes no other arguments."};
        }
        return;
    }
    if (options.operand.isEmpty() || !options.type || options.outputPath.isEmpty()) {
        throw UsageError{"tint needs a picture, --type N and -o OUT.bmp."};
    }
    if (!options.outputPath.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
        throw UsageError{"tint writes an 8-bit Windows bitmap; give -o a name ending in .bmp."};
    }
}

} // namespace

int runTintCommand(const CommandOptions& options, std::ostream& out, std::ostream&) {
    checkTintOptions(options);
    if (options.list) {
        for (int type = 0; type < kTintTypeCount; ++type) {
            out << type << "\t" << tintTypeText(type).toStdString() << "\n";
        }
        return kExitOk;
    }
    writeTintedCopy(options.operand, *options.type, options.outputPath);
    return kExitOk;
}

} // namespace veltmoor
