#include "app/ui/PictureBox.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UpDown.h"
#include "support/widgets/SignalLog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TEST(UpDownTest, PositionIsHeldInsideTheRange) {
    UpDown upDown;
    upDown.setRange(50, 500);
    upDown.setPosition(30); // a tag width of .3 inch
    EXPECT_EQ(upDown.position(), 50);
    upDown.setPosition(2125);
    EXPECT_EQ(upDown.position(), 500);
    upDown.setPosition(250);
    EXPECT_EQ(upDown.position(), 250);
    // Narrowing the range brings the position along.
    upDown.setRange(0, 100);
    EXPECT_EQ(upDown.position(), 100);
}

TEST(UpDownTest, SixteenBitsAreHeldAtTheirLimitsNotWrapped) {
    UpDown upDown;
    upDown.setRange(-100000, 100000);
    EXPECT_EQ(upDown.minimum(), -32768);
    EXPECT_EQ(upDown.maximum(), 32767);
    // 70000 wrapped to 16 bits would be 4464.
    upDown.setPosition(70000);
    EXPECT_EQ(upDown.position(), 32767);
    upDown.step(+1);
    EXPECT_EQ(upDown.position(), 32767);
    upDown.setPosition(-70000);
    EXPECT_EQ(upDown.position(), -32768);
}

TEST(UpDownTest, ArrowClicksStepByTheIncrementAndStopAtTheLimits) {
    UpDown upDown;
    upDown.setRange(1, 100);
    upDown.setIncrement(2);
    upDown.setPosition(50);
    auto clicks = testing::record(&upDown, &UpDown::clicked);

    upDown.upButton()->click();
    EXPECT_EQ(upDown.position(), 52);
    upDown.downButton()->click();
    upDown.downButton()->click();
    EXPECT_EQ(upDown.position(), 48);

    upDown.setPosition(99);
    upDown.step(+1);
    EXPECT_EQ(upDown.position(), 100);
    upDown.setPosition(2);
    upDown.step(-1);
    EXPECT_EQ(upDown.position(), 1);

    ASSERT_EQ(clicks->size(), 5);
    EXPECT_EQ(clicks->at(0).toInt(), +1);
    EXPECT_EQ(clicks->at(1).toInt(), -1);
}

TEST(UpDownTest, SettingThePositionIsNotAClick) {
    UpDown upDown;
    auto clicks = testing::record(&upDown, &UpDown::clicked);
    upDown.setPosition(7);
    upDown.setRange(0, 5);
    EXPECT_EQ(clicks->size(), 0);
}

TEST(UpDownTest, AssociatedEditShowsThePositionAndTakesArrowKeys) {
    QLineEdit edit;
    UpDown upDown;
    upDown.setRange(0, 200);
    upDown.setPosition(100);
    upDown.setAssociate(&edit);
    EXPECT_EQ(edit.text(), QStringLiteral("100"));

    upDown.setPosition(250);
    EXPECT_EQ(edit.text(), QStringLiteral("200"));
    upDown.step(-1);
    EXPECT_EQ(edit.text(), QStringLiteral("199"));

    auto clicks = testing::record(&upDown, &UpDown::clicked);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &up);
    EXPECT_EQ(upDown.position(), 200);
    EXPECT_EQ(edit.text(), QStringLiteral("200"));
    EXPECT_EQ(clicks->size(), 1);

    // Other keys are the edit's own.
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&edit, &letter);
    EXPECT_EQ(clicks->size(), 1);
    EXPECT_EQ(edit.text(), QStringLiteral("200a"));
}

TEST(UpDownTest, WithoutAnAssociateNoTextIsWritten) {
    QLineEdit edit(QStringLiteral("2.00"));
    UpDown upDown;
    upDown.setRange(50, 500);
    upDown.setPosition(210);
    EXPECT_EQ(edit.text(), QStringLiteral("2.00"));
}

TEST(RadioGroupTest, ItemIndexAndClicks) {
    RadioGroup group(QStringLiteral("Type of Cut Line for each Tag"),
                     {QStringLiteral("None"), QStringLiteral("Thin")});
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(group.count(), 2);
    EXPECT_EQ(group.item(1), QStringLiteral("Thin"));
    auto clicks = testing::record(&group, &RadioGroup::clicked);

    group.setItemIndex(1);
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_TRUE(group.button(1)->isChecked());
    EXPECT_EQ(clicks->size(), 1);

    // Choosing what is already chosen is no change.
    group.setItemIndex(1);
    group.button(1)->click();
    EXPECT_EQ(clicks->size(), 1);

    group.button(0)->click();
    EXPECT_EQ(group.itemIndex(), 0);
    EXPECT_FALSE(group.button(1)->isChecked());
    EXPECT_EQ(clicks->size(), 2);

    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(group.button(0)->isChecked());
    EXPECT_EQ(clicks->size(), 3);
}

TEST(PictureBoxTest, StretchesThePictureIntoItsTarget) {
    PictureBox box(100, 100);
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    box.showPicture(picture, QRect(0, 0, 100, 50), rgbColor(255, 0, 0));
    const QImage shown = box.rendered();
    ASSERT_EQ(shown.size(), QSize(100, 100));
    EXPECT_EQ(shown.pixelColor(50, 25), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(99, 49), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(50, 75), QColor(255, 0, 0));

    PictureBox mirror(100, 100);
    mirror.showSameAs(box);
    EXPECT_EQ(mirror.rendered(), shown);
}

TEST(PictureBoxTest, MouseSignals) {
    PictureBox box(100, 100);
    auto moves = testing::record(&box, &PictureBox::mouseMoved);
    auto clicks = testing::record(&box, &PictureBox::clicked);
    auto rightClicks = testing::record(&box, &PictureBox::rightClicked);

    QMouseEvent move(QEvent::MouseMove, QPointF(10, 20), QPointF(10, 20), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &move);
    ASSERT_EQ(moves->size(), 1);
    EXPECT_EQ(moves->at(0).toPoint(), QPoint(10, 20));

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(30, 40), QPointF(30, 40), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(30, 40), QPointF(30, 40),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
    QCoreApplication::sendEvent(&box, &release);
    ASSERT_EQ(clicks->size(), 1);
    EXPECT_EQ(clicks->at(0).toPoint(), QPoint(30, 40));

    // A press dragged off the box before release is no click.
    QMouseEvent offRelease(QEvent::MouseButtonRelease, QPointF(130, 40), QPointF(130, 40),
                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
    QCoreApplication::sendEvent(&box, &offRelease);
    EXPECT_EQ(clicks->size(), 1);

    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &right);
    EXPECT_EQ(rightClicks->size(), 1);
    EXPECT_EQ(clicks->size(), 1);
}

TEST(PictureBoxTest, KeyboardClicksAndMenus) {
    PictureBox box(100, 100);
    auto clicks = testing::record(&box, &PictureBox::clicked);
    auto moves = testing::record(&box, &PictureBox::mouseMoved);
    auto rightClicks = testing::record(&box, &PictureBox::rightClicked);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(&box, &space);
    ASSERT_EQ(clicks->size(), 1);
    EXPECT_EQ(clicks->at(0).toPoint(), QPoint(49, 49));
    QKeyEvent menu(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&box, &menu);
    EXPECT_EQ(moves->size(), 1);
    EXPECT_EQ(rightClicks->size(), 1);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&box, &letter);
    EXPECT_EQ(clicks->size(), 1);
    EXPECT_EQ(rightClicks->size(), 1);
}

} // namespace
} // namespace veltmoor
