#pragma once

#include "design/TagDesign.h"
#include "printing/SheetPrinter.h"
#include "setupfile/SetupFile.h"

#include <iosfwd>

namespace veltmoor {

// The pictures a verb's output is made of. A sheet or tag without its pictures wastes paper
// and looks like success to a script, so such output is refused unless asked for.
struct NeededPictures {
    bool allowMissing = true;
    int firstSlot = kFirstSheetSlot;
    int lastSlot = kLastSheetSlot;
    const char* verb = "";    // "print", for the refusal's advice
    const char* refusal = ""; // "printed": nothing was ...
};

// Throws UserError listing the pictures of the needed slots that could not be loaded, unless
// missing pictures are allowed; any other picture that could not be loaded is told on err.
void checkNeededPictures(const OpenSetupFileResult& opened, const NeededPictures& needed,
                         std::ostream& err);

// The selection's paper, or its printer's default paper when the printer no longer offers it
// (said on err).
void useOfferedPaper(PrinterSelection& selection, std::ostream& err);

} // namespace veltmoor
