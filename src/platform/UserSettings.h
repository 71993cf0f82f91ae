#pragma once

#include <QString>
#include <QStringList>

namespace veltmoor {

// The user's own settings (userSettingsPath()), every key and its default here. A setting that
// cannot be written throws UserError naming what was not kept and the settings file.
namespace user_settings {

// The designs opened last, newest first; none at first.
QStringList recentDesigns();
void setRecentDesigns(const QStringList& paths);

// The calibration profile kept for the printer as its text ("dx,dy,sx,sy"); empty for none.
QString calibration(const QString& printerName);
// An empty profile removes the printer's own, and only its own: an instance
// ("Office/draft") keeps the profile it has.
void setCalibration(const QString& printerName, const QString& profile);

} // namespace user_settings

} // namespace veltmoor
