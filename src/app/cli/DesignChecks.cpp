#include "app/cli/DesignChecks.h"

#include "platform/Errors.h"
#include "printing/OfferedPaper.h"

#include <ostream>

namespace veltmoor {

void checkNeededPictures(const OpenSetupFileResult& opened, const NeededPictures& needed,
                         std::ostream& err) {
    std::vector<PictureProblem> missing;
    for (const PictureProblem& problem : opened.pictureProblems) {
        if (problem.slot >= needed.firstSlot && problem.slot <= needed.lastSlot) {
            missing.push_back(problem);
        }
    }
    if (!missing.empty() && !needed.allowMissing) {
        throw UserError(QStringLiteral("These pictures of the design could not be loaded, so "
                                       "nothing was %1: %2. Give --allow-missing to %3 without "
                                       "them.")
                            .arg(QLatin1String(needed.refusal), pictureProblemList(missing),
                                 QLatin1String(needed.verb)));
    }
    const QString problems = opened.pictureProblemMessage();
    if (!problems.isEmpty()) {
        err << "veltmoor-tags: " << problems.toStdString() << "\n";
    }
}

void useOfferedPaper(PrinterSelection& selection, std::ostream& err) {
    const OfferedPaper offered = offeredPaper(selection);
    selection.paper = offered.paper;
    if (!offered.message.isEmpty()) {
        err << "veltmoor-tags: " << offered.message.toStdString() << "\n";
    }
}

} // namespace veltmoor
