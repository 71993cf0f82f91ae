#include "app/cli/SaveCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/DesignChecks.h"
#include "printing/SheetPrinter.h"

namespace veltmoor {

int runSaveCommand(const CommandOptions& options, std::ostream&, std::ostream& err) {
    if (options.outputPath.isEmpty()) {
        throw UsageError{"save needs -o OUT.vmg."};
    }
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions opening;
    // The design names its printer by its place among the printers installed now.
    opening.printers = installedPrinters();
    // Only the pictures' sizes go into the file.
    opening.decodePictures = false;
    // A picture that is missing keeps its path in the file, as written.
    checkNeededPictures(openSetupFile(options.operand, design, opening), {}, err);
    saveSetupFile(options.outputPath, design);
    return kExitOk;
}

} // namespace veltmoor
