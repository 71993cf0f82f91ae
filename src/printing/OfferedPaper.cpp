#include "printing/OfferedPaper.h"

#include "output/PrinterMetrics.h"

#include <algorithm>

namespace veltmoor {

OfferedPaper offeredPaper(const PrinterSelection& selection,
                          const std::vector<PrinterDescription>& printers) {
    const auto printer = std::find_if(printers.begin(), printers.end(), [&](const auto& listed) {
        return selection.printerName.isEmpty() ? listed.isDefault
                                               : listed.name == selection.printerName;
    });
    if (selection.paper.isEmpty() || printer == printers.end() || printer->builtIn ||
        printer->papers.contains(selection.paper)) {
        return {selection.paper, QString()};
    }
    return {QString(), QStringLiteral("The printer \"%1\" does not offer the paper \"%2\" this "
                                      "design was saved with, so the sheet is laid out on its "
                                      "default paper, \"%3\".")
                           .arg(printer->name, selection.paper, printer->paper)};
}

OfferedPaper offeredPaper(const PrinterSelection& selection) {
    if (selection.paper.isEmpty() || selection.printerName == builtInPdfPrinterName()) {
        return {selection.paper, QString()};
    }
    return offeredPaper(selection, listPrinters());
}

} // namespace veltmoor
