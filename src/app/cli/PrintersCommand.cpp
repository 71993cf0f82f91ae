#include "app/cli/PrintersCommand.h"

#include "app/cli/CommandLine.h"
#include "printing/SheetPrinter.h"

#include <ostream>

namespace veltmoor {

int runPrintersCommand(const CommandOptions&, std::ostream& out, std::ostream&) {
    for (const PrinterDescription& printer : listPrinters()) {
        QString line = QStringLiteral("%1\t%2\t%3 dpi")
                           .arg(printer.name, printer.paper)
                           .arg(printer.resolution);
        if (printer.isDefault) {
            line += QStringLiteral("\tdefault");
        }
        if (printer.builtIn) {
            line += QStringLiteral("\tbuilt in: no printer is installed, printing writes a PDF "
                                   "file");
        }
        out << line.toStdString() << "\n";
    }
    return kExitOk;
}

} // namespace veltmoor
