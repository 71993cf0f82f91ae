#include "app/ui/pages/TextPage.h"
#include "app/ui/RadioGroup.h"
#include "design/TagDesign.h"
#include "support/widgets/WindowHarness.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::control;

// The page alone, without a window around it: it shows the design it is given and sends
// what the user does, and nothing while it is only showing.
TEST(TextPageTest, ShowsTheDesignSilentlyAndSendsWhatTheUserDoes) {
    TextPage page;
    QSignalSpy typed(&page, &TextPage::cornerTextTyped);
    QSignalSpy edges(&page, &TextPage::edgeChosen);
    TagDesign design = TagDesign::atFirstActivation();
    design.ValueEditChange(QStringLiteral("$4.50"));
    design.TextEditChange(QStringLiteral("HOMEMADE"));
    design.setEdgePlace(kEdgeLeft);
    page.showDesign(design);
    auto* corner = control<QLineEdit>(page, QStringLiteral("ValueEdit"));
    auto* edge = control<RadioGroup>(page, QStringLiteral("EdgeRadioGroup"));
    EXPECT_EQ(corner->text(), QStringLiteral("$4.50"));
    EXPECT_EQ(control<QLineEdit>(page, QStringLiteral("TextEdit"))->text(),
              QStringLiteral("HOMEMADE"));
    EXPECT_EQ(edge->itemIndex(), kEdgeLeft);
    EXPECT_EQ(typed.count() + edges.count(), 0) << "showing is not the user's change";

    QTest::keyClicks(corner, QStringLiteral("!"));
    ASSERT_EQ(typed.count(), 1);
    EXPECT_EQ(typed[0][0].toString(), QStringLiteral("$4.50!"));
    edge->button(kEdgeTop)->click();
    ASSERT_EQ(edges.count(), 1);
    EXPECT_EQ(edges[0][0].toInt(), kEdgeTop);
}

} // namespace
} // namespace veltmoor
