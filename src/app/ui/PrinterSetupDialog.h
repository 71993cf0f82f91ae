#pragma once

#include "printing/SheetPrinter.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QRadioButton;

namespace veltmoor {

// "Printer Setup": the printer, its paper and the orientation. The paper list follows the
// printer chosen; each printer offers its driver's papers, its default one first chosen.
class PrinterSetupDialog : public QDialog {
public:
    PrinterSetupDialog(std::vector<PrinterDescription> printers, const PrinterSelection& current,
                       QWidget* parent = nullptr);

    // What the dialog shows now. The paper is empty when it is the printer's default, so
    // that the choice follows the driver.
    PrinterSelection selection() const;

    QComboBox* PrinterComboBox = nullptr;
    QComboBox* PaperComboBox = nullptr;
    QRadioButton* PortraitRadioButton = nullptr;
    QRadioButton* LandscapeRadioButton = nullptr;

private:
    void showPapersOf(int printerIndex, const QString& chosenPaper);
    const PrinterDescription* chosenPrinter() const;

    std::vector<PrinterDescription> printers_;
};

} // namespace veltmoor
