// `veltmoor-tags printers` and `veltmoor-tags print` as a user runs them, against the test
// printing system and against one that is not running.
#include "printing/PrintedPaper.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using namespace veltmoor::test;

struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("CUPS_SERVER"))
            << "the test printing system is not set up";
        ASSERT_TRUE(folder.isValid());
    }

    CommandRun run(const QStringList& arguments, const QString& cupsServer = QString()) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELTMOOR_WORKING_FOLDER"), folder.path());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        if (!cupsServer.isEmpty()) {
            environment.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
        }
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELTMOOR_CLI_PATH), arguments);
        process.waitForFinished(120000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString design() const { return QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/two-tags.vmg"); }

    // A server socket nobody listens on: the printing system is stopped.
    QString stoppedServer() const { return folder.filePath(QStringLiteral("stopped.sock")); }

    QTemporaryDir folder;
};

TEST_F(PrintCommand, PrintsTheDesignAsOneJobOnThePrintersPaper) {
    const CommandRun printed =
        run({QStringLiteral("print"), design(), QStringLiteral("--printer"), marginsQueue(),
             QStringLiteral("--copies"), QStringLiteral("2")});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    const QRegularExpressionMatch sent =
        QRegularExpression(QStringLiteral("^Sent to \"(.+)\" as job (\\d+)\\.\n$"))
            .match(printed.out);
    ASSERT_TRUE(sent.hasMatch()) << printed.out.toStdString();
    EXPECT_EQ(sent.captured(1), marginsQueue());
    const int job = sent.captured(2).toInt();
    const QString pdf = waitForJobPdf(marginsQueue(), job);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(pageSize(pdf).contains(QLatin1String("(letter)")));
    EXPECT_EQ(controlFileCopies(job), 2);
    // The design asks for landscape: the printable area of 6075 x 4800 dots at 600 dpi makes
    // a sheet of 2025 x 1600 pixels, printed at 200 pixels per inch in 32 strips of 50 rows.
    const QString images =
        runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).value_or(QString());
    EXPECT_EQ(images.count(QRegularExpression(QStringLiteral("image +2025 +50 .* 200 +200 "))), 32)
        << images.toStdString();
}

TEST_F(PrintCommand, ListsPrintersOneALineWithTheDefaultMarked) {
    const CommandRun listed = run({QStringLiteral("printers")});
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains(testQueue() + QStringLiteral("\tA4\t300 dpi\tdefault\n")))
        << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains(marginsQueue() + QStringLiteral("\tLetter\t600 dpi\n")))
        << listed.out.toStdString();
}

TEST_F(PrintCommand, WithoutAPrintingSystemTheBuiltInPdfPrinterIsTheDefault) {
    const CommandRun listed = run({QStringLiteral("printers")}, stoppedServer());
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(listed.out.startsWith(QStringLiteral("PDF file\tA4\t600 dpi\tdefault\t")))
        << listed.out.toStdString();
    EXPECT_EQ(listed.out.count('\n'), 1);

    const CommandRun refused = run({QStringLiteral("print"), design()}, stoppedServer());
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QLatin1String("--pdf"))) << refused.err.toStdString();

    const CommandRun unreachable =
        run({QStringLiteral("print"), design(), QStringLiteral("--printer"), testQueue()},
            stoppedServer());
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_TRUE(unreachable.err.endsWith(QStringLiteral("veltmoor-tags: The printer \"%1\" cannot "
                                                        "be reached: the printing system (CUPS) "
                                                        "is not running.\n")
                                             .arg(testQueue())))
        << unreachable.err.toStdString();
}

TEST_F(PrintCommand, WritesTheBuiltInPrintersPdfWholeOrNotAtAll) {
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    const CommandRun written =
        run({QStringLiteral("print"), design(), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    // The C locale measures in metric: the built-in printer's paper is A4.
    EXPECT_TRUE(pageSize(pdf).contains(QLatin1String("(A4)"))) << pageSize(pdf).toStdString();

    const QString unwritable = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    const CommandRun refused =
        run({QStringLiteral("print"), design(), QStringLiteral("--pdf"), unwritable});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.endsWith(QStringLiteral("veltmoor-tags: The PDF file %1 cannot be "
                                                    "written: No such file or directory.\n")
                                         .arg(unwritable)))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));
}

// Where the cut file puts a mark or a tag's edge, in millimetres from the paper's top-left
// corner, and where the printed page shows it, rendered at 400 dots per inch.
struct PrintedPage {
    QImage page;
    static constexpr double kDotsPerMm = 400 / 25.4;

    bool dark(int x, int y) const { return qGray(page.pixel(x, y)) < 128; }
    // The first and last dark dot from one place to another, as millimetres of their edges.
    std::pair<double, double> darkRun(double fromMm, double toMm, double acrossMm,
                                      bool horizontal) const {
        const int across = static_cast<int>(acrossMm * kDotsPerMm);
        int first = -1;
        int last = -1;
        for (int at = static_cast<int>(fromMm * kDotsPerMm); at < toMm * kDotsPerMm; ++at) {
            if (horizontal ? dark(at, across) : dark(across, at)) {
                first = first < 0 ? at : first;
                last = at;
            }
        }
        return {first / kDotsPerMm, (last + 1) / kDotsPerMm};
    }
};

std::vector<double> numbersIn(const QString& text) {
    std::vector<double> numbers;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("-?[0-9.]+")).globalMatch(text)) {
        numbers.push_back(match.captured().toDouble());
    }
    return numbers;
}

TEST_F(PrintCommand, MarksAndCutLinesArePrintedWhereTheCutFileSays) {
    // The test queue's paper, A4 at 300 dots per inch, all of it printable.
    const QString kQueuePaper = QStringLiteral("2480x3508@300");
    const QString gift = QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg");
    const CommandRun printed = run({QStringLiteral("print"), gift, QStringLiteral("--printer"),
                                    testQueue(), QStringLiteral("--marks"), QStringLiteral("3")});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    const int job =
        QRegularExpression(QStringLiteral("job (\\d+)")).match(printed.out).captured(1).toInt();
    const QString pdf = waitForJobPdf(testQueue(), job);
    ASSERT_FALSE(pdf.isEmpty());
    const QString svgPath = folder.filePath(QStringLiteral("sheet.svg"));
    const CommandRun cut = run({QStringLiteral("cutfile"), gift, QStringLiteral("-o"), svgPath,
                                QStringLiteral("--marks"), QStringLiteral("3"),
                                QStringLiteral("--printable"), kQueuePaper});
    ASSERT_EQ(cut.status, 0) << cut.err.toStdString();
    QFile svgFile(svgPath);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());
    const PrintedPage printedPage{renderFirstPage(pdf, 400)};
    ASSERT_FALSE(printedPage.page.isNull());

    int marks = 0;
    for (const QRegularExpressionMatch& rect :
         QRegularExpression(QStringLiteral("<rect ([^/]*)/>")).globalMatch(svg)) {
        const std::vector<double> box = numbersIn(rect.captured(1)); // x, y, width, height
        ASSERT_EQ(box.size(), 4U);
        const auto [left, right] =
            printedPage.darkRun(box[0] - 1, box[0] + box[2] + 1, box[1] + box[3] / 2, true);
        const auto [top, bottom] =
            printedPage.darkRun(box[1] - 1, box[1] + box[3] + 1, box[0] + box[2] / 2, false);
        EXPECT_NEAR(left, box[0], 0.2) << rect.captured().toStdString();
        EXPECT_NEAR(right, box[0] + box[2], 0.2) << rect.captured().toStdString();
        EXPECT_NEAR(top, box[1], 0.2) << rect.captured().toStdString();
        EXPECT_NEAR(bottom, box[1] + box[3], 0.2) << rect.captured().toStdString();
        ++marks;
    }
    EXPECT_EQ(marks, 5);

    // The first tag's left edge, a straight line, half-way down its corners.
    const QString firstTag =
        QRegularExpression(QStringLiteral("id=\"cut\"[^<]*<path d=\"([^\"]*)\""))
            .match(svg)
            .captured(1);
    std::vector<double> xs;
    std::vector<double> ys;
    for (const QRegularExpressionMatch& point :
         QRegularExpression(QStringLiteral("[ML] ([-0-9.]+) ([-0-9.]+)")).globalMatch(firstTag)) {
        xs.push_back(point.captured(1).toDouble());
        ys.push_back(point.captured(2).toDouble());
    }
    ASSERT_FALSE(xs.empty()) << svg.toStdString();
    const double edge = *std::min_element(xs.begin(), xs.end());
    const double middle =
        (*std::min_element(ys.begin(), ys.end()) + *std::max_element(ys.begin(), ys.end())) / 2;
    EXPECT_NEAR(printedPage.darkRun(edge - 3, edge + 3, middle, true).first, edge, 0.2);
}

} // namespace
} // namespace veltmoor
