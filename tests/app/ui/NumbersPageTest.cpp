#include "app/ui/UpDown.h"
#include "app/ui/pages/AdvancedPage.h"
#include "design/TagDesign.h"
#include "support/widgets/WindowHarness.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using testing::control;
using testing::WindowHarness;

struct Sent {
    Number number;
    QString text;
    int position = 0;
    bool operator==(const Sent&) const = default;
};

// A page of numbers alone: it shows the design it is given, reads a size when a key that
// went down in it comes up and a percent on every change, keeps what is being typed until
// told otherwise, and tells when the user leaves a field whose text still waits.
TEST(NumbersPageTest, ReadsTypedNumbersAndKeepsTheTypingUntilToldOtherwise) {
    AdvancedPage page;
    std::vector<Sent> typed, stepped, left;
    NumericField* holeWidth = nullptr;
    QObject::connect(&page, &NumbersPage::numberTyped,
                     [&](Number number, const QString& text, NumericField* field) {
                         typed.push_back({number, text});
                         holeWidth = number == Number{SizeField::HoleWidth} ? field : holeWidth;
                     });
    QObject::connect(&page, &NumbersPage::numberStepped,
                     [&](Number number, int position, NumericField*) {
                         stepped.push_back({number, {}, position});
                     });
    QObject::connect(&page, &NumbersPage::numberLeftOutOfRange,
                     [&](Number number, const ValueOutOfRange& error, NumericField*) {
                         left.push_back({number, error.message(), 0});
                     });
    TagDesign design = TagDesign::atFirstActivation();
    design.HoleWidthUpDownClick(20);
    design.PercentUpDownClick(PercentField::ImageSize, 150);
    page.showDesign(design);
    auto* width = control<QLineEdit>(page, QStringLiteral("HoleWidthEdit"));
    auto* size = control<QLineEdit>(page, QStringLiteral("ImageSizeEdit"));
    EXPECT_EQ(width->text(), QStringLiteral(".20"));
    EXPECT_EQ(size->text(), QStringLiteral("150"));
    EXPECT_TRUE(typed.empty()) << "showing is not the user's change";

    // The release of a key pressed elsewhere (one that closed a message) is not read.
    width->setText(QStringLiteral("0.3"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_3, Qt::NoModifier);
    QCoreApplication::sendEvent(width, &release);
    EXPECT_TRUE(typed.empty());
    WindowHarness::type(width, QStringLiteral("0.3"));
    size->setText(QStringLiteral("120"));
    EXPECT_EQ(typed, (std::vector<Sent>{{SizeField::HoleWidth, QStringLiteral("0.3")},
                                        {PercentField::ImageSize, QStringLiteral("120")}}));

    // What is typed stays while the design is shown again, until the typing is stopped.
    page.showDesign(design);
    EXPECT_EQ(width->text(), QStringLiteral("0.3"));
    page.stopTyping();
    page.showDesign(design);
    EXPECT_EQ(width->text(), QStringLiteral(".20"));
    EXPECT_EQ(size->text(), QStringLiteral("150"));

    control<UpDown>(page, QStringLiteral("HoleWidthUpDown"))->upButton()->click();
    EXPECT_EQ(stepped, (std::vector<Sent>{{SizeField::HoleWidth, {}, 21}}));

    // "0" may become ".05": its message waits for the user to leave the field, and only a
    // real move away brings it.
    ASSERT_NE(holeWidth, nullptr);
    width->setText(QStringLiteral("0"));
    EXPECT_TRUE(holeWidth->waitsForMore(ValueOutOfRange(1, 50, TypedNumber::Hundredths)));
    QFocusEvent toMessage(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(width, &toMessage);
    EXPECT_TRUE(left.empty());
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(width, &tab);
    ASSERT_EQ(left.size(), 1U);
    EXPECT_EQ(left[0].number, Number{SizeField::HoleWidth});
    QCoreApplication::sendEvent(width, &tab);
    EXPECT_EQ(left.size(), 1U) << "the message comes once";
}

} // namespace
} // namespace veltmoor
