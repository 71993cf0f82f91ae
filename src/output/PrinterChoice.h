#pragma once

#include <QString>
#include <QStringList>

namespace veltmoor {

// What printing needs of a design, as plain values: the printers to choose from, and the
// printer, paper and orientation chosen.

// The printers of this computer, in the order the printing system lists them.
struct PrinterList {
    QStringList names;
    int defaultIndex = -1; // -1: no printer installed (the built-in PDF printer is used)
};

// Which printer, paper and orientation a sheet is printed on.
struct PrinterSelection {
    // Empty: the default printer (the built-in PDF printer when none is installed);
    // builtInPdfPrinterName(): the built-in PDF printer whatever is installed.
    QString printerName;
    QString paper; // the driver's name for the paper; empty: the driver's default
    bool landscape = false;
};

} // namespace veltmoor
