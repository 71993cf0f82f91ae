#include "app/cli/CommandLine.h"
#include "app/cli/ProgramStart.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace veltmoor {
namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// The built program as a person starts it: no display unless the case gives one; started
// through the launcher's words when there are some.
ProgramRun runProgram(const QStringList& arguments, const QString& display = {},
                      const QStringList& launcher = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTMOOR_DEBUG"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(environment);
    if (launcher.isEmpty()) {
        program.start(QStringLiteral(VELTMOOR_PROGRAM), arguments);
    } else {
        program.start(launcher.first(),
                      launcher.mid(1) + QStringList{QStringLiteral(VELTMOOR_PROGRAM)} + arguments);
    }
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

// A user allowed no second thread: the verb either copes or ends with one sentence and
// status 1, never with an abort.
TEST(Program, AThreadTheSystemRefusesEndsTheVerbWithOneSentence) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can start the program as another user with few threads";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::WriteOther |
                                             QFile::ExeOther);
    const ProgramRun run =
        runProgram({QStringLiteral("render"),
                    QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg"),
                    QStringLiteral("-o"), folder.filePath(QStringLiteral("sheet.png")),
                    QStringLiteral("--printable"), QStringLiteral("4800x6300@600")},
                   {},
                   {QStringLiteral("prlimit"), QStringLiteral("--nproc=1"),
                    QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                    QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")});
    ASSERT_TRUE(run.status == kExitOk || run.status == kExitBadInput)
        << run.status << " " << run.err.toStdString();
    if (run.status == kExitBadInput) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^veltmoor-tags: [^\\n]+\\.\\n$"))
                        .match(run.err)
                        .hasMatch())
            << run.err.toStdString();
    }
}

} // namespace
} // namespace veltmoor
