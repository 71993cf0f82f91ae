#pragma once

#include <QString>

namespace veltmoor {

// The per-user folder for the program's working files (the blank picture, the last
// printed sheet, tinted copies). VELTMOOR_WORKING_FOLDER overrides it, which the tests
// use to stay out of the user's data.
QString workingFolderPath();

// Creates the folder when missing, readable by the user alone; throws UserError naming it
// when that fails.
QString ensureWorkingFolder();

// The working file of that name, in the folder made ready. Throws UserError when the name is
// a symbolic link there: the program's own files are never written through one.
QString workingFilePath(const QString& name);

// The file that keeps the user's own settings (recently opened designs, printer
// calibrations): under $XDG_CONFIG_HOME, or the file named by VELTMOOR_SETTINGS_FILE, which
// the tests use. Never part of a design: a design moves between computers, these do not.
QString userSettingsPath();

} // namespace veltmoor
