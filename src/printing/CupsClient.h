#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace veltmoor {

// The few questions only the printing system itself answers, and the job hand-over. The
// server is the one CUPS_SERVER names, else the system's.

// The resolution the printer's driver prints at by default, in dots per inch across; 0 when
// the printer lists none.
int driverDefaultResolution(const QString& printerName);

// Throws UserError naming the printer when the printing system cannot be reached or does
// not know the printer.
void requirePrinterReachable(const QString& printerName);

using JobOptions = std::vector<std::pair<QByteArray, QByteArray>>;

// Hands the PDF to the printer as one job; returns the job's number. Throws UserError naming
// the printer and the printing system's reason when the job is refused; a job the printing
// system took but whose document did not arrive whole is cancelled.
int submitPrintJob(const QString& printerName, const QByteArray& pdf, const QString& title,
                   const JobOptions& options);

// Whether the printer is paused (stopped): its jobs wait until it is resumed.
bool printerIsPaused(const QString& printerName);

} // namespace veltmoor
