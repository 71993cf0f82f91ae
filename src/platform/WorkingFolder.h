#pragma once

#include <QString>

namespace veltmoor {

// The per-user folder for the program's working files (the blank picture, the last
// printed sheet, tinted copies). VELTMOOR_WORKING_FOLDER overrides it, which the tests
// use to stay out of the user's data.
QString workingFolderPath();

// Creates the folder when missing; throws UserError naming it when that fails.
QString ensureWorkingFolder();

} // namespace veltmoor
