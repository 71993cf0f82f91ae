#include "app/ui/pages/BarcodePage.h"
#include "support/CodeScanner.h"
#include "support/widgets/PageEditor.h"
#include "support/widgets/WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

template <class Control> Control* find(const QObject& parent, const char* name) {
    auto* control = parent.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

TEST(BarcodePageTest, ShowsTheCurrentTagsCodeQuietlyAndTheUsersChangesReachTheDesign) {
    testing::PageEditor editor(TagDesign{});
    TagDesign& design = editor.edited();
    design.setCurrentSlot(5);
    TagBarcode expected{Symbology::Code128, QStringLiteral("VT-42"), BarcodePlacement::TextBlock, 2,
                        40};
    design.setSlotBarcode(5, expected);
    BarcodePage page(editor);
    page.showDesign(design);
    auto* type = find<QComboBox>(page, "BarcodeTypeComboBox");
    auto* data = find<QLineEdit>(page, "BarcodeDataEdit");
    auto* placement = find<RadioGroup>(page, "BarcodePlacementRadioGroup");
    auto* height = find<QDoubleSpinBox>(page, "BarcodeHeightEdit");
    EXPECT_EQ(std::tuple(editor.sources.size(), type->currentText(), data->text(),
                         placement->itemIndex(),
                         find<QComboBox>(page, "BarcodeModuleWidthComboBox")->currentText(),
                         height->text()),
              std::tuple(0U, QStringLiteral("Code 128"), QStringLiteral("VT-42"), 2,
                         QStringLiteral("2 dots (0.254 mm)"), QStringLiteral("0.40")));
    QTest::keyClicks(data, QStringLiteral("/A"));
    placement->button(1)->click();
    height->setValue(0.75);
    expected = {Symbology::Code128, QStringLiteral("VT-42/A"), BarcodePlacement::Top, 2, 75};
    EXPECT_EQ(std::pair(editor.sources.size(), design.slot(5).barcode),
              std::pair(std::size_t{4}, expected));
    // What a symbology does not use is greyed.
    type->setCurrentIndex(type->findText(QStringLiteral("QR Code")));
    EXPECT_EQ(std::pair(data->isEnabled(), height->isEnabled()), std::pair(true, false));
    type->setCurrentIndex(type->findText(QStringLiteral("None")));
    EXPECT_EQ(std::pair(data->isEnabled(), placement->isEnabled()), std::pair(false, false));

    // Data that cannot be encoded is refused once entered; a field waits for its row.
    type->setCurrentIndex(type->findText(QStringLiteral("EAN-13")));
    for (const char* entered : {"4006381333932", "${sku}", "400638133393"}) {
        data->selectAll();
        QTest::keyClicks(data, QString::fromLatin1(entered));
        QTest::keyClick(data, Qt::Key_Return);
    }
    EXPECT_EQ(editor.dialogs.messages,
              QStringList{QStringLiteral("Tag 5: the check digit of the EAN-13 data "
                                         "\"4006381333932\" is 2, but its digits ask for 1.")});
}

TEST(BarcodePageTest, TheWindowPutsTheChosenCodeOnTheTagAsOneStepOfUndo) {
    testing::WindowHarness h;
    h.startDesigning(h.picture(QStringLiteral("white.bmp"), 100, 100, clWhite));
    h.settle();
    h.w().activateWindow();
    QApplication::processEvents();
    TForm1& w = h.w();
    const auto scanned = [&] {
        h.settle();
        return test::scanCodes(w.LastTagBitmap().toQImage());
    };
    auto* type = find<QComboBox>(w, "BarcodeTypeComboBox");
    auto* data = find<QLineEdit>(w, "BarcodeDataEdit");
    auto* undo = find<QAction>(w, "UndoItem");
    type->setCurrentIndex(type->findText(QStringLiteral("EAN-13")));
    data->setFocus();
    QTest::keyClicks(data, QStringLiteral("400638133393"));
    EXPECT_EQ(scanned(), (std::vector<test::ScannedCode>{{"EAN-13", "4006381333931"}}));
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Barcode"));
    // The typing was one step, the symbology's choice the one before it.
    undo->trigger();
    EXPECT_TRUE(scanned().empty());
    undo->trigger();
    EXPECT_EQ(std::pair(type->currentText(), data->isEnabled()),
              std::pair(QStringLiteral("None"), false));

    // With the tag in view unchecked the code goes to the other tags, and what is typed stays
    // in the field rather than giving way to the unchanged code of the tag in view.
    h.slotCheckBox(1)->click();
    type->setCurrentIndex(type->findText(QStringLiteral("Code 128")));
    data->setFocus();
    QTest::keyClicks(data, QStringLiteral("AB-12"));
    EXPECT_EQ(data->text(), QStringLiteral("AB-12"));
    EXPECT_EQ(h.slot(2).barcode.data, QStringLiteral("AB-12"));
    EXPECT_EQ(h.slot(1).barcode.symbology, Symbology::None);
    h.slotCheckBox(1)->click();

    // Too wide for the tag at four dots a module: the size label says so and nothing is drawn.
    h.editSlot(1)->barcode = {Symbology::Ean13, QStringLiteral("400638133393"), {}, 4, 50};
    w.DrawTagReal();
    EXPECT_TRUE(scanned().empty());
    EXPECT_TRUE(find<QLabel>(w, "TesselSizeLabel")
                    ->text()
                    .endsWith(QStringLiteral(" (the EAN-13 code does not fit inside the tag at 4 "
                                             "dots a module)")));

    // Closing the window with data it cannot encode still in the field asks nothing: the
    // field losing the focus as it goes reaches no window.
    type->setCurrentIndex(type->findText(QStringLiteral("EAN-13")));
    data->setFocus();
    data->selectAll();
    QTest::keyClicks(data, QStringLiteral("12345"));
    ASSERT_TRUE(data->hasFocus());
    const qsizetype messages = h.prompts.messages.size();
    h.window.reset();
    EXPECT_EQ(h.prompts.messages.size(), messages);
}

} // namespace
} // namespace veltmoor
