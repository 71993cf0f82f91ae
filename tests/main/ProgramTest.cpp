#include "app/cli/CommandLine.h"
#include "app/cli/ProgramStart.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// The built program as a person starts it: no display unless the case gives one.
ProgramRun runProgram(const QStringList& arguments, const QString& display = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTMOOR_DEBUG"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELTMOOR_PROGRAM), arguments);
    // A window opened by mistake never ends on its own: the bound makes that a failure.
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

TEST(Program, QtOptionsAreTakenBeforeTheWordsAreRead) {
    for (const QStringList& arguments :
         {QStringList{"--version"}, QStringList{"-style", "fusion", "--version"},
          QStringList{"--platform", "offscreen", "--version", "-display", ":0"},
          QStringList{"--version", "-reverse", "-stylesheet=tags.qss"}}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.status, kExitOk) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "veltmoor-tags " VELTMOOR_PROJECT_VERSION "\n")
            << arguments.join(' ').toStdString() << run.err.toStdString();
    }
}

TEST(Program, WithoutADisplayTheWindowSaysSoAndEndsWithStatusTwo) {
    const QString design = QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg");
    // A display that is named but has no server is found out while the window starts.
    const QString absent =
        QStringLiteral(":%1").arg(1000 + QCoreApplication::applicationPid() % 9000);
    const struct {
        QStringList arguments;
        QString display;
    } cases[] = {{{}, {}}, {{design}, {}}, {{"-style", "fusion", design}, {}}, {{design}, absent}};
    for (const auto& each : cases) {
        const ProgramRun run = runProgram(each.arguments, each.display);
        const std::string what =
            (each.arguments.join(' ') + " DISPLAY=" + each.display).toStdString();
        EXPECT_EQ(run.status, kExitBadUsage) << what;
        EXPECT_EQ(run.err, QStringLiteral("veltmoor-tags: %1\n").arg(noDisplayMessage())) << what;
    }
}

} // namespace
} // namespace veltmoor
