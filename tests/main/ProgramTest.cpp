#include "app/cli/CommandLine.h"
#include "app/cli/ProgramStart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// The built program, started as a person or a desktop starts it: its own platform choice,
// its own environment.
struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments, const QStringList& environmentChanges) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTMOOR_DEBUG"}) {
        environment.remove(QLatin1String(name));
    }
    for (const QString& setting : environmentChanges) {
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELTMOOR_PROGRAM), arguments);
    // A window that opened by mistake never ends on its own; the bound turns that into a
    // failure instead of a hang.
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
    const QString version = QStringLiteral("veltmoor-tags " VELTMOOR_PROJECT_VERSION "\n");
    for (const QStringList& arguments :
         {QStringList{"--version"}, QStringList{"-style", "fusion", "--version"},
          QStringList{"-platform", "offscreen", "--version"},
          QStringList{"--version", "-reverse", "-stylesheet=tags.qss"}}) {
        const ProgramRun run = runProgram(arguments, {});
        EXPECT_EQ(run.status, kExitOk)
            << arguments.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(run.out, version) << arguments.join(' ').toStdString();
    }
}

TEST(Program, WithoutADisplayTheWindowSaysSoAndEndsWithStatusTwo) {
    const QString design = QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg");
    ASSERT_TRUE(QFileInfo::exists(design));
    const QString sentence = QStringLiteral("veltmoor-tags: %1\n").arg(noDisplayMessage());
    // A display that is named but not there (no server listens on it) is found out while the
    // window starts rather than beforehand.
    const QString absentDisplay =
        QStringLiteral("DISPLAY=:%1").arg(1000 + QCoreApplication::applicationPid() % 9000);
    const struct {
        QStringList arguments;
        QStringList environment;
    } cases[] = {
        {{}, {}},
        {{design}, {}},
        {{"-style", "fusion", design}, {}},
        {{design}, {"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"}},
        {{}, {absentDisplay}},
        {{design}, {absentDisplay}},
    };
    for (const auto& each : cases) {
        const ProgramRun run = runProgram(each.arguments, each.environment);
        const std::string what = (each.arguments + each.environment).join(' ').toStdString();
        EXPECT_EQ(run.status, kExitBadUsage) << what;
        EXPECT_EQ(run.err, sentence) << what;
        EXPECT_TRUE(run.out.isEmpty()) << what;
    }
}

TEST(Program, AnUnknownWordGetsTheUsageWithoutNeedingADisplay) {
    for (const QString& word :
         {QStringLiteral("frobnicate"), QStringLiteral("missing.vmg"), QDir::tempPath()}) {
        const ProgramRun run = runProgram({word}, {});
        EXPECT_EQ(run.status, kExitBadUsage) << word.toStdString();
        EXPECT_TRUE(run.err.startsWith(
            QStringLiteral("veltmoor-tags: \"%1\" is neither a verb nor an existing design file.")
                .arg(word)))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("Usage: veltmoor-tags"))) << word.toStdString();
    }
}

} // namespace
} // namespace veltmoor
