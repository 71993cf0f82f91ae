#include "app/cli/SaveCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/DesignChecks.h"
#include "printing/SheetPrinter.h"

namespace veltmoor {

int runSaveCommand(const QStringList& arguments, std::ostream& err) {
    QString outputPath;
    const QString designPath = designFileAmong(arguments, [&](const QString& option, int& index) {
        if (option != QLatin1String("-o")) {
            return false;
        }
        outputPath = optionValue(arguments, index);
        return true;
    });
    if (outputPath.isEmpty()) {
        throw UsageError{"save needs -o OUT.vmg."};
    }
    TagDesign design = TagDesign::atFirstActivation();
    OpenSetupFileOptions options;
    // The design names its printer by its place among the printers installed now.
    options.printers = installedPrinters();
    // Only the pictures' sizes go into the file.
    options.decodePictures = false;
    // A picture that is missing keeps its path in the file, as written.
    checkNeededPictures(openSetupFile(designPath, design, options), {}, err);
    saveSetupFile(outputPath, design);
    return kExitOk;
}

} // namespace veltmoor
