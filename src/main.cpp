#include "app/cli/CommandLine.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // The command line never needs a display; text still needs the font machinery.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() <= 1) {
        arguments << QStringLiteral("--help");
    }
    return veltmoor::runCommandLine(arguments, std::cout, std::cerr);
}
