#include "app/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

PrinterDescription printer(const char* name, const char* paper, QStringList papers,
                           bool isDefault) {
    PrinterDescription description;
    description.name = QString::fromLatin1(name);
    description.paper = QString::fromLatin1(paper);
    description.papers = std::move(papers);
    description.isDefault = isDefault;
    return description;
}

const std::vector<PrinterDescription> kPrinters{
    printer("Office", "A4", {"A4", "Letter"}, false),
    printer("Labels", "Letter", {"Legal", "Letter"}, true),
};

struct SetupCase {
    const char* name;
    PrinterSelection current;
    // What the dialog first shows.
    const char* shownPrinter;
    const char* shownPaper;
    // What the user then picks (printer index, paper, landscape) and the choice that results.
    int pickedPrinter;
    const char* pickedPaper;
    bool pickedLandscape;
    PrinterSelection chosen;
};

void PrintTo(const SetupCase& setup, std::ostream* out) {
    *out << setup.name;
}

class PrinterSetupDialogTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(PrinterSetupDialogTest, StartsFromTheCurrentChoiceAndGivesThePickedOne) {
    const SetupCase& c = GetParam();
    PrinterSetupDialog dialog(kPrinters, c.current);
    EXPECT_EQ(dialog.PrinterComboBox->currentText(), QString::fromLatin1(c.shownPrinter));
    EXPECT_EQ(dialog.PaperComboBox->currentText(), QString::fromLatin1(c.shownPaper));
    EXPECT_EQ(dialog.LandscapeRadioButton->isChecked(), c.current.landscape);

    dialog.PrinterComboBox->setCurrentIndex(c.pickedPrinter);
    dialog.PaperComboBox->setCurrentIndex(
        dialog.PaperComboBox->findText(QString::fromLatin1(c.pickedPaper)));
    (c.pickedLandscape ? dialog.LandscapeRadioButton : dialog.PortraitRadioButton)
        ->setChecked(true);
    const PrinterSelection chosen = dialog.selection();
    EXPECT_EQ(chosen.printerName, c.chosen.printerName);
    EXPECT_EQ(chosen.paper, c.chosen.paper);
    EXPECT_EQ(chosen.landscape, c.chosen.landscape);
}

const SetupCase kCases[] = {
    // No printer named yet: the default one on its own paper; its default paper is kept
    // as "the default" so that it follows the driver.
    {"DefaultPrinterFirst",
     {},
     "Labels (default)",
     "Letter",
     1,
     "Letter",
     true,
     {"Labels", "", true}},
    // Another printer shows its own papers, its default first.
    {"OtherPrinterOtherPaper",
     {},
     "Labels (default)",
     "Letter",
     0,
     "Letter",
     false,
     {"Office", "Letter", false}},
    {"NamedPrinterAndPaper",
     {"Office", "Letter", true},
     "Office",
     "Letter",
     0,
     "A4",
     true,
     {"Office", "", true}},
};

INSTANTIATE_TEST_SUITE_P(Choices, PrinterSetupDialogTest, ::testing::ValuesIn(kCases),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(PrinterSetupDialogPapers, FollowThePrinterChosen) {
    PrinterSetupDialog dialog(kPrinters, {});
    dialog.PrinterComboBox->setCurrentIndex(0);
    QStringList papers;
    for (int index = 0; index < dialog.PaperComboBox->count(); ++index) {
        papers << dialog.PaperComboBox->itemText(index);
    }
    EXPECT_EQ(papers, (QStringList{"A4", "Letter"}));
    EXPECT_EQ(dialog.PaperComboBox->currentText(), QStringLiteral("A4"));
}

} // namespace
} // namespace veltmoor
