#pragma once

#include "output/PrintCalibration.h"
#include "platform/Errors.h"

#include <QString>

#include <optional>

namespace veltmoor {

// Calibration profiles live in the user's settings, one per printer name: a design travels
// between computers, a printer's error stays with the printer.

// A kept profile that cannot be read. Resetting the printer's profile mends it; until then
// the printer prints without a profile only when the user says so.
class UnreadableCalibration : public UserError {
public:
    using UserError::UserError;
};

// The printer's profile; none for a printer never calibrated (or reset) and for the
// built-in PDF printer. Throws UnreadableCalibration naming the printer and the settings
// file when the stored profile cannot be read.
std::optional<CalibrationProfile> loadCalibration(const QString& printerName);

// Keeps the profile for the printer; an identity profile removes it. The profile is checked
// first: a value out of range throws UserError and nothing is stored. Throws UserError for
// the built-in PDF printer, which prints true, and when the settings cannot be written.
void saveCalibration(const QString& printerName, const CalibrationProfile& profile);

} // namespace veltmoor
