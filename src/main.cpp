#include "app/cli/CommandLine.h"
#include "app/cli/ProgramStart.h"
#include "app/ui/Prompts.h"
#include "app/ui/TForm1.h"
#include "guidance/TFloatingTagForm.h"
#include "guidance/THelpForm.h"
#include "images/TintedCopy.h"
#include "platform/Errors.h"
#include "platform/WorkingFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QIcon>

#include <cstdlib>
#include <iostream>

namespace {

bool wantsQtMessages() {
    return !qEnvironmentVariableIsEmpty("VELTMOOR_DEBUG");
}

// Standard error carries our own one-sentence messages; Qt's notes about its set-up are for
// developers, who can ask for them with VELTMOOR_DEBUG.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "veltmoor-tags: " << message.toStdString() << "\n";
    }
}

// While the window's application object starts, a fatal message can only mean that no
// platform could reach a display (one that is named but not running, say): say so in our
// words and end with the usage status instead of Qt's abort.
void reportUnreachableDisplay(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (wantsQtMessages()) {
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << "\n";
    }
    if (type == QtFatalMsg) {
        std::cerr << "veltmoor-tags: " << veltmoor::noDisplayMessage().toStdString() << "\n";
        std::_Exit(veltmoor::kExitBadUsage);
    }
}

// A design named on the command line (or double-clicked on the desktop) opens as "Open Tag"
// opens it; a broken one is reported and the window stays as it started.
void openDesignGivenAtStart(veltmoor::TForm1& window, veltmoor::Prompts& prompts,
                            const QString& path) {
    try {
        window.OpenDesignFile(path);
    } catch (const veltmoor::UserError& error) {
        prompts.message(error.message());
    }
}

// The help window and the floating tag window keep the main window company; the window
// reaches them through its services.
struct CompanionWindows {
    veltmoor::THelpForm* help = nullptr;
    veltmoor::TFloatingTagForm* floatingTag = nullptr;

    void attachTo(veltmoor::WindowServices& services) {
        services.currentHelpItem = [this] { return help ? help->currentStep() : -1; };
        services.advanceHelp = [this](int done, int next) {
            if (help) {
                help->AdvanceHelp(done, next);
            }
        };
        services.HelpCheckBoxClick = [this](bool checked) {
            if (help) {
                help->HelpCheckBoxClick(checked);
            }
        };
        services.showFloatingTag = [this] {
            if (floatingTag) {
                floatingTag->show();
            }
        };
        services.FloatingTagCheckBoxClick = [this](bool visible) {
            if (floatingTag) {
                floatingTag->setVisible(visible);
            }
        };
        services.updateFloatingTag = [this](const veltmoor::Bitmap& tag) {
            if (floatingTag) {
                floatingTag->updateTag(tag);
            }
        };
    }

    void create(veltmoor::TForm1& window) {
        // Owned by the main window: they close with it.
        floatingTag = new veltmoor::TFloatingTagForm(&window);
        floatingTag->setCloseRequested([&window] { window.floatingTagClosed(); });
        floatingTag->setPickPoint(
            [&window](int x, int y, veltmoor::TColor color) { window.PickPoint(x, y, color); });
        help = new veltmoor::THelpForm(&window);
        help->setCloseRequested([&window] { window.helpClosed(); });
    }
};

// The window, with nothing but a design file path (or nothing) among the program's own words.
int runWindow(int argc, char* argv[]) {
    qInstallMessageHandler(reportUnreachableDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationDisplayName(QStringLiteral("Veltmoor Tags Print"));
    // Ties the window to its desktop entry and icon once the program is installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("veltmoor-tags"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("veltmoor-tags")));
    veltmoor::QtPrompts prompts(nullptr);
    try {
        veltmoor::ensureWorkingFolder();
    } catch (const veltmoor::UserError& error) {
        prompts.message(error.message());
        return veltmoor::kExitBadInput;
    }
    veltmoor::removeStaleTintedCopies();
    veltmoor::WindowServices services;
    services.prompts = &prompts;
    veltmoor::attachSystemPrinting(services);
    CompanionWindows companions;
    companions.attachTo(services);
    veltmoor::TForm1 window(services);
    companions.create(window);
    window.show();
    companions.help->show();
    const QStringList words = veltmoor::withoutQtOptions(QCoreApplication::arguments());
    if (words.size() > 1) {
        openDesignGivenAtStart(window, prompts, words.at(1));
    }
    return QApplication::exec();
}

int runCommandLineWithoutDisplay(int argc, char* argv[]) {
    // The command line never needs a display, even when one is there; text still needs the
    // font machinery.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!wantsQtMessages()) {
        qInstallMessageHandler(quietQtMessages);
    }
    QGuiApplication application(argc, argv);
    // The application object has taken its own options; those of the widgets and of other
    // platforms are left, and are not the command line's either.
    return veltmoor::runCommandLine(veltmoor::withoutQtOptions(QCoreApplication::arguments()),
                                    std::cout, std::cerr);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    if (veltmoor::isCommandLineRequest(veltmoor::withoutQtOptions(arguments))) {
        return runCommandLineWithoutDisplay(argc, argv);
    }
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!veltmoor::hasDisplayFor(veltmoor::requestedPlatform(arguments, environment),
                                 environment)) {
        std::cerr << "veltmoor-tags: " << veltmoor::noDisplayMessage().toStdString() << "\n";
        return veltmoor::kExitBadUsage;
    }
    return runWindow(argc, argv);
}
