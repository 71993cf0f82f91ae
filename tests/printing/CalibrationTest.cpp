// Printer calibration through the test printing system: where the corrected sheet lies on the
// paper, where the calibration sheet's crosses lie, and the profiles kept per printer.
#include "printing/Calibration.h"
#include "platform/Errors.h"
#include "printing/PrintedPaper.h"
#include "printing/SheetPrinter.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace veltmoor {
namespace {

using namespace veltmoor::test;

constexpr int kReadDpi = 1200; // a dot of 0.021 mm
constexpr double kMmPerInch = 25.4;

// The margins queue's Letter at 600 dpi: the printable area starts 0.25 in from the left
// and 0.375 in from the top, and is 6075 dots high.
constexpr double kCornerXMm = 0.25 * kMmPerInch;
constexpr double kCornerYMm = 0.375 * kMmPerInch;

// Where the page turns from ink to paper (or back) along a line of the rendered PDF, from
// `from` for up to `lengthMm` to the right (across) or downwards; nothing when it does not.
std::optional<double> firstChangeMm(const QString& pdf, QPointF fromMm, bool across,
                                    double lengthMm) {
    const auto dots = [](double mm) { return qRound(mm * kReadDpi / kMmPerInch); };
    const int x = dots(fromMm.x());
    const int y = dots(fromMm.y());
    const int length = dots(lengthMm);
    const QString prefix = pdf + QStringLiteral(".line");
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(kReadDpi), QStringLiteral("-x"),
             QString::number(x), QStringLiteral("-y"), QString::number(y), QStringLiteral("-W"),
             QString::number(across ? length : 1), QStringLiteral("-H"),
             QString::number(across ? 1 : length), QStringLiteral("-gray"), QStringLiteral("-aa"),
             QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
             QStringLiteral("-singlefile"), pdf, prefix});
    const QImage line(prefix + QStringLiteral(".pgm"));
    QFile::remove(prefix + QStringLiteral(".pgm"));
    const auto inked = [&](int step) {
        return qGray(across ? line.pixel(step, 0) : line.pixel(0, step)) < 128;
    };
    for (int step = 1; step < length && !line.isNull(); ++step) {
        if (inked(step) != inked(0)) {
            return ((across ? x : y) + step) * kMmPerInch / kReadDpi;
        }
    }
    return std::nullopt;
}

class Calibration : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("CUPS_SERVER"))
            << "the test printing system is not set up";
        ASSERT_TRUE(folder.isValid());
        qputenv("VELTMOOR_WORKING_FOLDER", folder.path().toLocal8Bit());
        qputenv("VELTMOOR_SETTINGS_FILE", settingsFile().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("VELTMOOR_SETTINGS_FILE"); }

    QString settingsFile() const { return folder.filePath(QStringLiteral("settings.conf")); }

    // The command line as a user runs it: a new process reads the kept profiles afresh.
    std::pair<int, QString> runCli(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELTMOOR_SETTINGS_FILE"), settingsFile());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELTMOOR_CLI_PATH), arguments);
        process.waitForFinished(120000);
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput() +
                                                           process.readAllStandardError())};
    }

    QTemporaryDir folder;
};

TEST_F(Calibration, TheProfileMovesAndScalesTheSheetOnThePaperOnlyWhenAsked) {
    // A black sheet of 5.00 x 5.00 in (3000 x 3000 dots) on the margins queue's Letter, in
    // dots of the paper as it is fed. Upright it lies at the printable area's left edge,
    // centred from top to bottom in the 6075 dots; landscape, turned a quarter turn
    // counter-clockwise, centred across the 4800 dots and 300 dots above the paper's foot.
    const Rect upright{150, 1762, 3150, 4762};
    const Rect turned{1050, 3300, 4050, 6300};
    const CalibrationProfile profile{15, -20, 10100, 9950};
    const struct {
        const char* name;
        bool landscape, stored, used;
        Rect onPaper;
    } cases[] = {
        {"corrected", false, true, true, upright},
        {"turned off", false, true, false, upright},
        {"none kept", false, false, true, upright},
        {"corrected landscape", true, true, true, turned},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        saveCalibration(marginsQueue(), c.stored ? profile : CalibrationProfile{});
        Bitmap sheet(1000, 1000, clBlack);
        PrintRequest request;
        request.printer = PrinterSelection{marginsQueue(), QString(), c.landscape};
        request.documentName = QStringLiteral("calibrated");
        request.useCalibration = c.used;
        const PrintResult result = PrintSheet(sheet, request);
        const bool applied = c.stored && c.used;
        EXPECT_EQ(result.calibrationApplied, applied);
        const QString pdf = waitForJobPdf(marginsQueue(), result.jobNumber);
        ASSERT_FALSE(pdf.isEmpty());

        // On the paper: scaled by 101 % and 99.5 % about the printable corner, then moved
        // 1.5 mm right and 2.0 mm up.
        const auto paperX = [&](int dots) {
            const double mm = dots * kMmPerInch / 600;
            return applied ? kCornerXMm + (mm - kCornerXMm) * 1.01 + 1.5 : mm;
        };
        const auto paperY = [&](int dots) {
            const double mm = dots * kMmPerInch / 600;
            return applied ? kCornerYMm + (mm - kCornerYMm) * 0.995 - 2.0 : mm;
        };
        const double expected[] = {paperX(c.onPaper.left), paperX(c.onPaper.right),
                                   paperY(c.onPaper.top), paperY(c.onPaper.bottom)};
        const double middleX = (expected[0] + expected[1]) / 2;
        const double middleY = (expected[2] + expected[3]) / 2;
        const std::optional<double> found[] = {
            firstChangeMm(pdf, {expected[0] - 3, middleY}, true, 6),
            firstChangeMm(pdf, {expected[1] - 3, middleY}, true, 6),
            firstChangeMm(pdf, {middleX, expected[2] - 3}, false, 6),
            firstChangeMm(pdf, {middleX, expected[3] - 3}, false, 6),
        };
        for (int edge = 0; edge < 4; ++edge) {
            ASSERT_TRUE(found[edge]) << "edge " << edge;
            EXPECT_NEAR(*found[edge], expected[edge], 0.05) << "edge " << edge;
        }
    }
}

TEST_F(Calibration, TheSheetsCrossesLie150And200MillimetresApartUncorrected) {
    // A profile kept for the printer must not touch the calibration sheet.
    saveCalibration(marginsQueue(), CalibrationProfile{-50, 50, 9700, 10300});
    const PrintResult result = PrintCalibrationSheet(marginsQueue());
    EXPECT_FALSE(result.calibrationApplied);
    const QString pdf = waitForJobPdf(marginsQueue(), result.jobNumber);
    ASSERT_FALSE(pdf.isEmpty());
    // A cross's centre: the middle of its upright arm, crossed 5 mm below the centre, and of
    // its level arm, crossed 5 mm left of it.
    const auto centre = [&](double xMm, double yMm) {
        const auto middle = [&](QPointF from, bool across) {
            const std::optional<double> in = firstChangeMm(pdf, from, across, 2);
            const QPointF inside = across ? QPointF(in.value_or(0) + 0.01, from.y())
                                          : QPointF(from.x(), in.value_or(0) + 0.01);
            const std::optional<double> out = firstChangeMm(pdf, inside, across, 1);
            EXPECT_TRUE(in && out) << "no arm near " << xMm << "," << yMm;
            return (in.value_or(0) + out.value_or(0)) / 2;
        };
        return QPointF(middle({xMm - 1, yMm + 5}, true), middle({xMm - 5, yMm - 1}, false));
    };
    const QPointF a = centre(kCornerXMm + 25, kCornerYMm + 40);
    const QPointF b = centre(kCornerXMm + 175, kCornerYMm + 40);
    const QPointF c = centre(kCornerXMm + 25, kCornerYMm + 240);
    EXPECT_NEAR(a.x(), kCornerXMm + 25, 0.05);
    EXPECT_NEAR(a.y(), kCornerYMm + 40, 0.05);
    EXPECT_NEAR(b.x() - a.x(), 150.0, 0.05);
    EXPECT_NEAR(b.y() - a.y(), 0.0, 0.05);
    EXPECT_NEAR(c.y() - a.y(), 200.0, 0.05);
    EXPECT_NEAR(c.x() - a.x(), 0.0, 0.05);
}

TEST_F(Calibration, AProfileSurvivesARestartBelongsToItsPrinterAndRefusesBadValues) {
    const auto show = [&](const QString& queue) {
        return runCli({QStringLiteral("calibrate"), QStringLiteral("--printer"), queue,
                       QStringLiteral("--show")});
    };
    const auto set = [&](const QString& queue, const QString& values) {
        return runCli({QStringLiteral("calibrate"), QStringLiteral("--printer"), queue,
                       QStringLiteral("--set"), values});
    };
    ASSERT_EQ(set(marginsQueue(), QStringLiteral("1.5,-2,101,99.5")).first, 0);
    const QString kept = marginsQueue() + QStringLiteral(": 1.5,-2.0,101.00,99.50");
    EXPECT_TRUE(show(marginsQueue()).second.startsWith(kept))
        << show(marginsQueue()).second.toStdString();
    EXPECT_EQ(show(testQueue()).second, testQueue() + QStringLiteral(": no calibration\n"));
    EXPECT_EQ(loadCalibration(marginsQueue()), (CalibrationProfile{15, -20, 10100, 9950}));

    for (const char* refused : {"1.5,-2,105.5,99.5", "1.5,-12,101,99.5"}) {
        const auto [status, said] = set(marginsQueue(), QString::fromLatin1(refused));
        EXPECT_EQ(status, 1) << refused;
        EXPECT_TRUE(said.contains(QLatin1String("Value must be between"))) << said.toStdString();
        EXPECT_TRUE(show(marginsQueue()).second.startsWith(kept));
    }
    const auto [status, said] = set(QStringLiteral("NoSuchPrinter"), QStringLiteral("1,1,100,100"));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(said.contains(QLatin1String("\"NoSuchPrinter\" is not installed")));
    EXPECT_THROW(saveCalibration(builtInPdfPrinterName(), CalibrationProfile{1, 0, 10000, 10000}),
                 UserError);
    EXPECT_EQ(loadCalibration(builtInPdfPrinterName()), std::nullopt);

    // An instance of the queue keeps its own profile when the queue's is reset.
    const QString instance = marginsQueue() + QStringLiteral("/draft");
    const CalibrationProfile draft{-10, 10, 10000, 10000};
    saveCalibration(instance, draft);
    saveCalibration(marginsQueue(), CalibrationProfile{});
    EXPECT_EQ(loadCalibration(marginsQueue()), std::nullopt);
    EXPECT_EQ(loadCalibration(instance), draft);
}

} // namespace
} // namespace veltmoor
