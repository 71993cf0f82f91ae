#include "app/cli/ProgramStart.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TEST(ProgramStart, QtTakesItsOwnOptionsAndLeavesTheProgramsWords) {
    const struct {
        QStringList arguments;
        QStringList own;
    } cases[] = {
        {{"p", "-style", "fusion", "design.vmg"}, {"p", "design.vmg"}},
        {{"p", "--style", "fusion", "render", "d.vmg", "-o", "x.png"},
         {"p", "render", "d.vmg", "-o", "x.png"}},
        {{"p", "-style=fusion", "-reverse", "--version"}, {"p", "--version"}},
        {{"p", "info", "d.vmg", "-platform", "offscreen"}, {"p", "info", "d.vmg"}},
        {{"p", "-display", ":0", "-geometry", "800x600", "-qmljsdebugger=port:1"}, {"p"}},
        // The program's own dashes stay, and a lone option at the end takes nothing with it.
        {{"p", "--help", "-h", "-o"}, {"p", "--help", "-h", "-o"}},
        {{"p", "-session"}, {"p"}},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(withoutQtOptions(each.arguments), each.own)
            << each.arguments.join(' ').toStdString();
    }
}

TEST(ProgramStart, TheWindowIsRefusedOnlyWhenNoDisplayCanBeThere) {
    const struct {
        QStringList arguments;
        QStringList environment;
        bool hasDisplay;
    } cases[] = {
        {{"p"}, {}, false},
        {{"p"}, {"DISPLAY=:0"}, true},
        {{"p"}, {"WAYLAND_DISPLAY=wayland-0"}, true},
        {{"p"}, {"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"}, false},
        {{"p"}, {"QT_QPA_PLATFORM=xcb:nograb", "DISPLAY=:1"}, true},
        {{"p"}, {"QT_QPA_PLATFORM=offscreen"}, true},
        {{"p"}, {"QT_QPA_PLATFORM=wayland;xcb"}, true},
        {{"p", "-platform", "offscreen"}, {"QT_QPA_PLATFORM=xcb"}, true},
        {{"p", "--platform", "xcb"}, {"QT_QPA_PLATFORM=offscreen"}, false},
    };
    for (const auto& each : cases) {
        QProcessEnvironment environment;
        for (const QString& setting : each.environment) {
            environment.insert(setting.section(QLatin1Char('='), 0, 0),
                               setting.section(QLatin1Char('='), 1));
        }
        EXPECT_EQ(hasDisplayFor(requestedPlatform(each.arguments, environment), environment),
                  each.hasDisplay)
            << (each.arguments + each.environment).join(' ').toStdString();
    }
}

} // namespace
} // namespace veltmoor
