#include "app/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QPageSize>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

PrinterDescription printer(const char* name, const char* paper, QStringList papers) {
    PrinterDescription description;
    description.name = QString::fromLatin1(name);
    description.paper = QString::fromLatin1(paper);
    description.papers = std::move(papers);
    description.isDefault = description.name == QLatin1String("Labels");
    return description;
}

TEST(PrinterSetupDialogTest, StartsOnTheDefaultPrinterAndFollowsThePrinterChosen) {
    PrinterSetupDialog dialog({printer("Office", "A4", {"A4", "Letter"}),
                               printer("Labels", "Letter", {"Legal", "Letter"})},
                              PrinterSelection{});
    EXPECT_EQ(dialog.PrinterComboBox->currentText(), QStringLiteral("Labels (default)"));
    EXPECT_EQ(dialog.PaperComboBox->currentText(), QStringLiteral("Letter"));
    EXPECT_TRUE(dialog.PortraitRadioButton->isChecked());

    // Another printer offers its own papers, its default one first; a paper other than the
    // default is kept by name, the default one as "the driver's default".
    dialog.PrinterComboBox->setCurrentIndex(0);
    EXPECT_EQ(dialog.PaperComboBox->count(), 2);
    EXPECT_EQ(dialog.PaperComboBox->currentText(), QStringLiteral("A4"));
    dialog.LandscapeRadioButton->setChecked(true);
    EXPECT_EQ(dialog.selection().paper, QString());
    dialog.PaperComboBox->setCurrentIndex(1);
    const PrinterSelection chosen = dialog.selection();
    EXPECT_EQ(chosen.printerName, QStringLiteral("Office"));
    EXPECT_EQ(chosen.paper, QStringLiteral("Letter"));
    EXPECT_TRUE(chosen.landscape);
}

// Papers are listed by the names Qt gives them, the printer's own first, and kept by key.
TEST(PrinterSetupDialogTest, PapersAreNamedAsPeopleKnowThemAndKeptByKey) {
    PrinterDescription office = printer("Office", "Letter", {});
    for (const QPageSize::PageSizeId id :
         {QPageSize::AnsiC, QPageSize::EnvelopeMonarch, QPageSize::Letter}) {
        office.papers << QPageSize::key(id);
        office.paperNames << QPageSize::name(id);
    }
    PrinterSetupDialog dialog({office}, PrinterSelection{});
    QStringList shown;
    for (int index = 0; index < dialog.PaperComboBox->count(); ++index) {
        shown << dialog.PaperComboBox->itemText(index);
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Letter / ANSI A"), QStringLiteral("ANSI C"),
                                  QStringLiteral("Envelope Monarch")}));
    dialog.PaperComboBox->setCurrentIndex(2);
    EXPECT_EQ(dialog.selection().paper, QStringLiteral("EnvMonarch"));
}

} // namespace
} // namespace veltmoor
