#include "app/ui/pages/TextPage.h"
#include "app/ui/RadioGroup.h"
#include "design/TagDesign.h"
#include "support/widgets/PageEditor.h"
#include "support/widgets/WindowHarness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::control;

// The page alone with a design: it shows the design without changing it, and what the user
// does reaches the design, dialogs included.
TEST(TextPageTest, ShowsTheDesignAndTheUsersChangesReachIt) {
    testing::PageEditor editor;
    TagDesign& design = editor.edited();
    design.ValueEditChange(QStringLiteral("$4.50"));
    design.TextEditChange(QStringLiteral("HOMEMADE"));
    design.setEdgePlace(kEdgeLeft);
    TextPage page(editor);
    page.showDesign(design);
    auto* corner = control<QLineEdit>(page, QStringLiteral("ValueEdit"));
    auto* edge = control<RadioGroup>(page, QStringLiteral("EdgeRadioGroup"));
    EXPECT_EQ(corner->text(), QStringLiteral("$4.50"));
    EXPECT_EQ(control<QLineEdit>(page, QStringLiteral("TextEdit"))->text(),
              QStringLiteral("HOMEMADE"));
    EXPECT_EQ(edge->itemIndex(), kEdgeLeft);
    EXPECT_TRUE(editor.sources.empty()) << "showing is not the user's change";

    QTest::keyClicks(corner, QStringLiteral("!"));
    EXPECT_EQ(design.slot(1).ValueText, QStringLiteral("$4.50!"));
    edge->button(kEdgeTop)->click();
    EXPECT_EQ(design.settings().edgePlace, kEdgeTop);
    editor.dialogs.answerColor(clBlue);
    control<QPushButton>(page, QStringLiteral("SelectValueColorButton"))->click();
    EXPECT_EQ(design.slot(1).ValueColor, clBlue);
    EXPECT_EQ(design.colorChoices().value, clBlue);
    EXPECT_EQ(
        editor.sources,
        (std::vector<const QObject*>{
            corner, edge, control<QPushButton>(page, QStringLiteral("SelectValueColorButton"))}));
}

} // namespace
} // namespace veltmoor
