#pragma once

#include "support/ExternalTool.h"

#include <QImage>
#include <QString>

namespace veltmoor::test {

// The private test printing system that the test set-up starts (scripts/cups-test-server.sh):
// its folder and the names of its queues. The tests reach it through CUPS_SERVER in their
// environment.
QString cupsTestFolder();
QString testQueue();    // cups-pdf as it comes: A4, 300 dpi, no margins
QString marginsQueue(); // Letter, 600 dpi, margins 0.25 / 0.375 / 0.25 / 0.5 in
QString closedQueue();  // refusing jobs
QString pausedQueue();  // paused: its jobs wait

// The PDF that cups-pdf writes for a job of the queue; waits for it to be complete. Empty
// when it does not appear within half a minute.
QString waitForJobPdf(const QString& queue, int jobNumber);

// The PDF's first page as pdftoppm renders it in grey at the resolution.
QImage renderFirstPage(const QString& pdfPath, int dpi);

// The "Page size:" line of pdfinfo, e.g. "612 x 792 pts (letter)".
QString pageSize(const QString& pdfPath);

// The job's line in the page log ("... total 3 ..."); empty when it has none.
QString pageLogLine(const QString& queue, int jobNumber);

// The copy count the job's control file records; 0 when it records none.
int controlFileCopies(int jobNumber);

} // namespace veltmoor::test
