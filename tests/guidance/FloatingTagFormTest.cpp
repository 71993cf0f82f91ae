#include "guidance/TFloatingTagForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace veltmoor {
namespace {

constexpr TColor kYellow = 0x00FFFF;

struct PickedPoint {
    int x;
    int y;
    TColor color;
    friend bool operator==(const PickedPoint&, const PickedPoint&) = default;
};

void press(QWidget* widget, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A 2.00 x 4.00 in tag in tag dots, white but for a block of one colour around the dot
// (100, 240), wide enough that halving the tag keeps the colour pure at window pixel (50, 120).
Bitmap markedTag(TColor mark) {
    Bitmap tag(400, 800, clWhite);
    for (int y = 236; y < 246; ++y) {
        for (int x = 96; x < 106; ++x) {
            tag.setPixelColor(x, y, mark);
        }
    }
    return tag;
}

TEST(FloatingTagForm, StartsHiddenAtTheTopLeftWithAYellowSurface) {
    TFloatingTagForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tag"));
    EXPECT_TRUE(form.isWindow());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.frameGeometry().topLeft(), form.screen()->availableGeometry().topLeft());
    EXPECT_EQ(form.Image1->objectName(), QStringLiteral("Image1"));
    EXPECT_EQ(form.Image1->size(), QSize(500, 500));
    EXPECT_EQ(form.surface(), Bitmap(500, 500, kYellow));
}

TEST(FloatingTagForm, ShowsATwoByFourInchTagAtHalfSizeAndPicksWhereItIsClicked) {
    TFloatingTagForm form;
    std::vector<PickedPoint> picked;
    form.setPickPoint([&](int x, int y, TColor color) { picked.push_back({x, y, color}); });
    form.show();
    const TColor mark = rgbColor(20, 120, 220);
    form.updateTag(markedTag(mark));

    EXPECT_EQ(form.size(), QSize(200, 400));
    EXPECT_EQ(form.Image1->size(), QSize(200, 400));
    EXPECT_EQ(form.surface().pixelColor(0, 0), clWhite);
    EXPECT_EQ(form.surface().pixelColor(199, 399), clWhite);
    EXPECT_EQ(form.surface().pixelColor(200, 0), kYellow); // beyond the tag, as it started

    press(form.Image1, QPoint(50, 120), Qt::LeftButton);
    press(form.Image1, QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(picked, (std::vector<PickedPoint>{{100, 240, mark}, {20, 20, clWhite}}));
}

TEST(FloatingTagForm, ALargerTagKeepsTheWholeWindowOnTheScreen) {
    TFloatingTagForm form;
    const QRect available = form.screen()->availableGeometry();
    form.show();
    form.updateTag(Bitmap(200, 200, clWhite));
    form.move(available.right() - 150, available.bottom() - 150);
    form.updateTag(Bitmap(1000, 1000, clWhite));
    EXPECT_EQ(form.size(), QSize(500, 500));
    EXPECT_TRUE(available.contains(form.frameGeometry()))
        << form.frameGeometry().x() << "," << form.frameGeometry().y();
}

// On a 1024 x 768 screen, the main window's frame as it opens there and a window frame of 2
// pixels across and 21 down around the tag: 267 pixels are free on the left, 120 above.
TEST(FloatingTagRoom, TheTagGoesBesideTheMainWindowAtTheLargestWholeFractionThatFits) {
    const QRect screen(0, 0, 1024, 768);
    const QRect mainFrame(QPoint(267, 120), QPoint(1022, 648));
    const std::tuple<QSize, QRect, QRect, int> cases[] = {
        {{1000, 1000}, mainFrame, QRect(0, 0, 267, 768), 4}, // a third is 333 + 2 wide
        {{400, 800}, mainFrame, QRect(0, 0, 267, 768), 2},
        {{1000, 100}, mainFrame, QRect(0, 0, 1024, 120), 2}, // above: half; beside: a quarter
        {{1000, 1000}, screen, screen, 2},                   // no room beside a full screen
    };
    for (const auto& [tag, main, room, dotsPerPixel] : cases) {
        const TagRoom found = roomForTag(tag, QSize(2, 21), main, screen);
        EXPECT_EQ(found.room, room) << tag.width() << "x" << tag.height();
        EXPECT_EQ(found.dotsPerPixel, dotsPerPixel) << tag.width() << "x" << tag.height();
    }
}

// Beside a main window that leaves 300 pixels free, a 5.00 x 5.00 in tag is shown and clicked
// at a quarter of its dots.
TEST(FloatingTagForm, ShrinksBesideTheMainWindowAndReadsClicksAtThatScale) {
    QWidget mainWindow;
    mainWindow.setGeometry(mainWindow.screen()->availableGeometry().adjusted(300, 0, 0, 0));
    mainWindow.show();
    TFloatingTagForm form(&mainWindow);
    std::vector<PickedPoint> picked;
    form.setPickPoint([&](int x, int y, TColor color) { picked.push_back({x, y, color}); });
    form.show();
    form.updateTag(Bitmap(1000, 1000, clWhite));
    EXPECT_EQ(form.size(), QSize(250, 250));
    EXPECT_FALSE(form.frameGeometry().intersects(mainWindow.frameGeometry()));
    press(form.Image1, QPoint(25, 60), Qt::LeftButton);
    EXPECT_EQ(picked, (std::vector<PickedPoint>{{100, 240, clWhite}}));
}

TEST(FloatingTagForm, ClosingAsksTheMainWindowAndHides) {
    TFloatingTagForm form;
    int requests = 0;
    form.setCloseRequested([&] { ++requests; });
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(form.isVisible());
    form.show(); // ticking "Floating Tag" again brings it back
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace veltmoor
