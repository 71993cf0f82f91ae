#include "app/cli/ProgramStart.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// Refusing a display that is there would keep the window shut on a working desktop, so the
// cases that must start count as much as those that must not.
TEST(ProgramStart, TheWindowIsRefusedOnlyWhenNoDisplayCanBeThere) {
    const struct {
        QStringList arguments;
        QString platformVariable;
        QString display;
        QString waylandDisplay;
        bool hasDisplay;
    } cases[] = {
        {{"p"}, "", "", "", false},
        {{"p"}, "", ":0", "", true},
        {{"p"}, "", "", "wayland-0", true},
        {{"p"}, "xcb", "", "wayland-0", false},
        {{"p"}, "xcb:nograb", ":1", "", true},
        {{"p"}, "wayland;xcb", "", "", true},
        {{"p", "-platform", "offscreen"}, "xcb", "", "", true},
        {{"p", "--platform", "xcb"}, "offscreen", "", "", false},
    };
    for (const auto& each : cases) {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), each.platformVariable);
        environment.insert(QStringLiteral("DISPLAY"), each.display);
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), each.waylandDisplay);
        EXPECT_EQ(hasDisplayFor(requestedPlatform(each.arguments, environment), environment),
                  each.hasDisplay)
            << each.arguments.join(' ').toStdString() << " " << each.platformVariable.toStdString()
            << " " << each.display.toStdString() << " " << each.waylandDisplay.toStdString();
    }
}

} // namespace
} // namespace veltmoor
