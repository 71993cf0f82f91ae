#include "app/cli/CommandLine.h"
#include "app/ui/Prompts.h"
#include "app/ui/TForm1.h"
#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QApplication>
#include <QGuiApplication>

#include <iostream>

namespace {

// The window, with nothing but a design file path (or nothing) on the command line.
int runWindow(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Veltmoor Tags Print"));
    veltmoor::QtPrompts prompts(nullptr);
    try {
        veltmoor::ensureWorkingFolder();
    } catch (const veltmoor::UserError& error) {
        prompts.message(error.message());
        return veltmoor::kExitBadInput;
    }
    veltmoor::WindowServices services;
    services.prompts = &prompts;
    veltmoor::TForm1 window(services);
    window.show();
    if (QCoreApplication::arguments().size() > 1) {
        // Opening a design file in the window is not there yet; say so rather than
        // show an empty design as if it were the file.
        prompts.message(QStringLiteral("The design %1 was not opened: the window cannot open "
                                       "design files yet.")
                            .arg(QCoreApplication::arguments().at(1)));
    }
    return QApplication::exec();
}

void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "veltmoor-tags: " << message.toStdString() << "\n";
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    if (!veltmoor::isCommandLineRequest(arguments)) {
        return runWindow(argc, argv);
    }
    // The command line never needs a display, even when one is there; text still needs the
    // font machinery.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Standard error carries our own one-sentence messages; Qt's notes about its set-up
    // are for developers, who can ask for them.
    if (qEnvironmentVariableIsEmpty("VELTMOOR_DEBUG")) {
        qInstallMessageHandler(quietQtMessages);
    }
    QGuiApplication application(argc, argv);
    return veltmoor::runCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
}
