#pragma once

#include "output/PrinterChoice.h"
#include "output/PrinterMetrics.h"
#include "output/SheetSeries.h"
#include "platform/Bitmap.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace veltmoor {

// One printer as the printer list shows it.
struct PrinterDescription {
    QString name;
    QString paper;      // the driver's default paper, by the driver's own name ("Letter")
    QStringList papers; // every paper the driver offers, by the same names
    // The same papers, in the same order, by the names a person knows ("Envelope Monarch"
    // for "EnvMonarch"); a paper without one here is shown by its key.
    QStringList paperNames{};
    int resolution = 0; // dots per inch it prints at
    bool isDefault = false;
    bool builtIn = false; // the built-in PDF printer, which writes a PDF file
};

// The printers of this computer in the order the printing system lists them. When none is
// installed, or the printing system is not running, the built-in PDF printer alone, as the
// default.
std::vector<PrinterDescription> listPrinters();

// The installed printers' names, in the same order and with the same default as
// listPrinters(), without asking each printer for its paper: what a design's printer index
// chooses from.
PrinterList installedPrinters();

// The list a design chooses its printer from: the installed printers and the default one
// (no names and index -1 when only the built-in PDF printer is there).
PrinterList printerListFor(const std::vector<PrinterDescription>& printers);

// Whether the selection prints on the built-in PDF printer, which needs a file name.
bool printsToPdfFile(const PrinterSelection& selection);
// The same, told the printers installedPrinters() gave.
bool printsToPdfFile(const PrinterSelection& selection, const PrinterList& installed);

// The geometry of the selected printer's page in device dots at the driver's default
// resolution (600 when it lists none). Throws UserError naming the printer when it cannot
// be reached.
PrinterMetrics ReadPrinterMetrics(const PrinterSelection& selection);

struct PrintRequest {
    PrinterSelection printer;
    int copies = 1;             // 1 to 4, one job with this copy count
    QString pdfPath;            // the file the built-in PDF printer writes (required for it)
    QString documentName;       // the job's title
    bool useCalibration = true; // the printer's calibration profile, when it has one
};

struct PrintResult {
    QString printerName;
    int jobNumber = 0;               // the printing system's job; 0 for the built-in PDF printer
    bool calibrationApplied = false; // the printer's calibration profile corrected the page
    bool printerPaused = false;      // the job waits in the queue until the printer is resumed
};

// What the job's number is followed by when the printer is paused: the job waits.
QString pausedPrinterNote(const PrintResult& printed);

// The print step of "Print Page": saves the sheet as "~~page.bmp" in the working folder,
// prints it at its true size on the selected printer as one job of the asked copy count
// (or writes the built-in printer's PDF), and blanks the sheet. A printing system that
// refuses the job, a vanished printer or an unwritable file throw UserError naming the
// printer or file; nothing half-drawn is ever handed to the printer, and the sheet is then
// left as it was.
PrintResult PrintSheet(Bitmap& SheetBitmap, const PrintRequest& request);

// Prints a series of sheets as one job of the asked copy count on the selected printer,
// corrected by its calibration as PrintSheet corrects a sheet, or writes them to
// request.pdfPath as that printer (or the built-in PDF printer, a page per copy) would
// receive them. Each sheet is written as soon as it is composed, so that the memory used
// does not grow with the number of sheets. Nothing reaches the printer, and no file is
// replaced, unless every sheet was written; failures throw UserError as PrintSheet does.
PrintResult PrintSheets(const SheetSeries& sheets, const PrintRequest& request);

// Prints the calibration sheet on the named printer, never corrected by its profile, or
// writes the page the printer would receive to pdfPath when one is given. Throws UserError
// for the built-in PDF printer and as PrintSheet does.
PrintResult PrintCalibrationSheet(const QString& printerName, const QString& pdfPath = {});

} // namespace veltmoor
