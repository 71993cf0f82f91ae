#include "app/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace veltmoor {

namespace {

// The printer the current choice stands for: the one it names, else the default one.
int startingPrinter(const std::vector<PrinterDescription>& printers,
                    const PrinterSelection& current) {
    int defaultIndex = 0;
    for (std::size_t index = 0; index < printers.size(); ++index) {
        if (printers[index].name == current.printerName) {
            return static_cast<int>(index);
        }
        if (printers[index].isDefault) {
            defaultIndex = static_cast<int>(index);
        }
    }
    return defaultIndex;
}

QString shownName(const PrinterDescription& printer) {
    return printer.isDefault ? QStringLiteral("%1 (default)").arg(printer.name) : printer.name;
}

// The printer's own paper leads the list, the others follow in the driver's order.
QStringList papersDefaultFirst(const PrinterDescription& printer) {
    QStringList keys = printer.papers;
    if (keys.removeAll(printer.paper) > 0) {
        keys.prepend(printer.paper);
    }
    return keys;
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(std::vector<PrinterDescription> printers,
                                       const PrinterSelection& current, QWidget* parent)
    : QDialog(parent), printers_(std::move(printers)) {
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(QStringLiteral("Printer Setup"));

    PrinterComboBox = new QComboBox(this);
    PrinterComboBox->setObjectName(QStringLiteral("PrinterComboBox"));
    for (const PrinterDescription& printer : printers_) {
        PrinterComboBox->addItem(shownName(printer));
    }
    PaperComboBox = new QComboBox(this);
    PaperComboBox->setObjectName(QStringLiteral("PaperComboBox"));
    PortraitRadioButton = new QRadioButton(QStringLiteral("&Portrait"), this);
    PortraitRadioButton->setObjectName(QStringLiteral("PortraitRadioButton"));
    LandscapeRadioButton = new QRadioButton(QStringLiteral("&Landscape"), this);
    LandscapeRadioButton->setObjectName(QStringLiteral("LandscapeRadioButton"));
    (current.landscape ? LandscapeRadioButton : PortraitRadioButton)->setChecked(true);

    auto* orientation = new QHBoxLayout;
    orientation->addWidget(PortraitRadioButton);
    orientation->addWidget(LandscapeRadioButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("P&rinter:"), PrinterComboBox);
    form->addRow(QStringLiteral("P&aper:"), PaperComboBox);
    form->addRow(QStringLiteral("Orientation:"), orientation);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const int first = startingPrinter(printers_, current);
    PrinterComboBox->setCurrentIndex(first);
    showPapersOf(first, current.paper);
    connect(PrinterComboBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { showPapersOf(index, QString()); });
}

void PrinterSetupDialog::showPapersOf(int printerIndex, const QString& chosenPaper) {
    PaperComboBox->clear();
    if (printerIndex < 0 || printerIndex >= static_cast<int>(printers_.size())) {
        return;
    }
    const PrinterDescription& printer = printers_[static_cast<std::size_t>(printerIndex)];
    // Shown by name, kept by key: the design stores the driver's key.
    for (const QString& key : papersDefaultFirst(printer)) {
        const qsizetype at = printer.papers.indexOf(key);
        const bool named =
            at >= 0 && at < printer.paperNames.size() && !printer.paperNames.at(at).isEmpty();
        PaperComboBox->addItem(named ? printer.paperNames.at(at) : key, key);
    }
    const int chosen = PaperComboBox->findData(chosenPaper.isEmpty() ? printer.paper : chosenPaper);
    PaperComboBox->setCurrentIndex(chosen >= 0 ? chosen : PaperComboBox->findData(printer.paper));
}

const PrinterDescription* PrinterSetupDialog::chosenPrinter() const {
    const int index = PrinterComboBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(printers_.size())) {
        return nullptr;
    }
    return &printers_[static_cast<std::size_t>(index)];
}

PrinterSelection PrinterSetupDialog::selection() const {
    PrinterSelection chosen;
    chosen.landscape = LandscapeRadioButton->isChecked();
    if (const PrinterDescription* printer = chosenPrinter()) {
        chosen.printerName = printer->builtIn ? builtInPdfPrinterName() : printer->name;
        const QString paper = PaperComboBox->currentData().toString();
        chosen.paper = paper == printer->paper ? QString() : paper;
    }
    return chosen;
}

} // namespace veltmoor
