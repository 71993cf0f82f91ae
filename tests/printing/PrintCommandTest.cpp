// `veltmoor-tags printers` and `veltmoor-tags print` as a user runs them, against the test
// printing system and against one that is not running.
#include "printing/PrintedPaper.h"
#include "support/CodeScanner.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

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

    CommandRun run(const QStringList& arguments, const QString& cupsServer = QString(),
                   const QString& program = QStringLiteral(VELTMOOR_CLI_PATH)) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELTMOOR_WORKING_FOLDER"), folder.path());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        if (!cupsServer.isEmpty()) {
            environment.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
        }
        // Printer instances are kept in the folder's own lpoptions, not the system's.
        environment.insert(QStringLiteral("CUPS_SERVERROOT"), folder.path());
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        process.waitForFinished(120000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString design() const { return QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/two-tags.vmg"); }

    // Prints the gift tags with three marks on the queue and checks that the marks and the
    // first tag's cut line lie where the cut file for the same printer says.
    void expectCutWherePrinted(const QString& queue, int expectedMarks);

    // A server socket nobody listens on: the printing system is stopped.
    QString stoppedServer() const { return folder.filePath(QStringLiteral("stopped.sock")); }

    QTemporaryDir folder;
};

TEST_F(PrintCommand, PrintsTheDesignAsOneJobOnThePrintersPaper) {
    const CommandRun printed =
        run({QStringLiteral("print"), design(), QStringLiteral("--printer"), marginsQueue(),
             QStringLiteral("--copies"), QStringLiteral("2"), QStringLiteral("--allow-missing")});
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

// A printer instance is a printer of its own, at the resolution it chose; a paused printer
// takes the job, and the user is told that it waits.
TEST_F(PrintCommand, PrintsOnInstancesAndSaysWhenThePrinterIsPaused) {
    const QString draft = marginsQueue() + QStringLiteral("/draft");
    ASSERT_EQ(run({QStringLiteral("-p"), draft, QStringLiteral("-o"),
                   QStringLiteral("Resolution=300dpi")},
                  QString(), QStringLiteral("lpoptions"))
                  .status,
              0);
    const CommandRun listed = run({QStringLiteral("printers")});
    EXPECT_TRUE(listed.out.contains(draft + QStringLiteral("\tLetter\t300 dpi\n")))
        << listed.out.toStdString();

    const struct {
        QString printer;
        QString after; // what follows the job's number
    } prints[] = {
        {draft, QStringLiteral(".\n")},
        {pausedQueue(),
         QStringLiteral("; the printer is paused, so the job waits until it is resumed.\n")},
    };
    for (const auto& print : prints) {
        const CommandRun printed =
            run({QStringLiteral("print"), design(), QStringLiteral("--printer"), print.printer,
                 QStringLiteral("--allow-missing")});
        EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Sent to \"%1\" as job \\d+%2$")
                                           .arg(QRegularExpression::escape(print.printer),
                                                QRegularExpression::escape(print.after)))
                        .match(printed.out)
                        .hasMatch())
            << printed.out.toStdString();
    }
}

// Every tag's code, as the printer received the sheet and rasterised at its resolution.
TEST_F(PrintCommand, EveryCodeScansFromThePrintersPdf) {
    for (const auto& [queue, dpi] : {std::pair{testQueue(), 300}, std::pair{marginsQueue(), 600}}) {
        const CommandRun printed = run(
            {QStringLiteral("print"), QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/barcodes.vmg"),
             QStringLiteral("--printer"), queue});
        ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
        const int job = printed.out.section(QLatin1Char(' '), -1).chopped(2).toInt();
        const QString pdf = waitForJobPdf(queue, job);
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(test::scanCodes(renderFirstPage(pdf, dpi)), test::barcodesDesignCodes())
            << queue.toStdString();
    }
}

TEST_F(PrintCommand, MergesAPriceListIntoOneJobWithEverySheet) {
    // Sixty tags of 1.50 x 2.00 in, twenty-five to an A4 sheet: three sheets.
    QFile table(folder.filePath(QStringLiteral("prices.csv")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("name,price,copies\nJAM,$1.00,59\nHONEY,$2.00,1\n");
    table.close();
    const CommandRun printed =
        run({QStringLiteral("merge"),
             QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/price-list.vmg"),
             QStringLiteral("--data"), table.fileName(), QStringLiteral("--printer"), testQueue(),
             QStringLiteral("--copies"), QStringLiteral("2")});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_TRUE(printed.err.isEmpty()) << "no progress line without a terminal";
    const QRegularExpressionMatch sent =
        QRegularExpression(QStringLiteral("^Sent 3 sheets to \"(.+)\" as job (\\d+)\\.\n$"))
            .match(printed.out);
    ASSERT_TRUE(sent.hasMatch()) << printed.out.toStdString();
    const int job = sent.captured(2).toInt();
    const QString pdf = waitForJobPdf(testQueue(), job);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(runTool(QStringLiteral("pdfinfo"), {pdf})
                  .value_or(QString())
                  .count(QRegularExpression(QStringLiteral("Pages: +3\n"))),
              1);
    EXPECT_EQ(controlFileCopies(job), 2);
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

    const CommandRun refused = run(
        {QStringLiteral("print"), design(), QStringLiteral("--allow-missing")}, stoppedServer());
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QLatin1String("--pdf"))) << refused.err.toStdString();

    const CommandRun unreachable =
        run({QStringLiteral("print"), design(), QStringLiteral("--printer"), testQueue(),
             QStringLiteral("--allow-missing")},
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
    const CommandRun written = run({QStringLiteral("print"), design(), QStringLiteral("--pdf"), pdf,
                                    QStringLiteral("--allow-missing")});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    // The C locale measures in metric: the built-in printer's paper is A4.
    EXPECT_TRUE(pageSize(pdf).contains(QLatin1String("(A4)"))) << pageSize(pdf).toStdString();

    const QString unwritable = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    const CommandRun refused = run({QStringLiteral("print"), design(), QStringLiteral("--pdf"),
                                    unwritable, QStringLiteral("--allow-missing")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(
        refused.err.endsWith(QStringLiteral("veltmoor-tags: %1 could not be written: No such "
                                            "file or directory.\n")
                                 .arg(unwritable)))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));
}

// Tag 5's picture is missing: nothing is printed, and the one message lists it.
TEST_F(PrintCommand, APictureMissingRefusesThePrintUnlessAllowed) {
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    const CommandRun refused =
        run({QStringLiteral("print"), design(), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.isEmpty()) << refused.out.toStdString();
    EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QLatin1String("tag 5 \"")) &&
                refused.err.contains(QLatin1String("--allow-missing")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

// The design's own paper, kept in its file, while the printer offers it; else its default.
TEST_F(PrintCommand, TheDesignsPaperIsPrintedOnWhileThePrinterOffersIt) {
    QFile source(design());
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = source.readAll().split('\n');
    lines.removeAt(1); // tag 5, whose picture is missing
    lines[0].replace("pics/red.bmp", QByteArray(VELTMOOR_TEST_DATA "/setupfile/pics/red.bmp"));
    for (const auto& [paper, printedOn] :
         {std::pair{"A5", "(A5)"}, std::pair{"Tabloid-ish", "(A4)"}}) {
        SCOPED_TRACE(paper);
        const QString path = folder.filePath(QStringLiteral("paper.vmg"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.join('\n') + '"' + paper + "\" PrinterPaper\r\n");
        file.close();
        const CommandRun printed =
            run({QStringLiteral("print"), path, QStringLiteral("--printer"), testQueue()});
        ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
        EXPECT_EQ(printed.err.contains(QLatin1String("does not offer the paper")),
                  QLatin1String(printedOn) == QLatin1String("(A4)"))
            << printed.err.toStdString();
        const QString pdf = waitForJobPdf(
            testQueue(),
            printed.out.section(QStringLiteral("job "), 1).section(QLatin1Char('.'), 0, 0).toInt());
        EXPECT_TRUE(pageSize(pdf).contains(QLatin1String(printedOn)))
            << pageSize(pdf).toStdString();
    }
}

// The first dark dot of the page (rendered at 400 dpi) along a row or a column from a place
// on, in millimetres from the paper's edge.
double firstDark(const QImage& page, double fromMm, double acrossMm, bool alongRow) {
    constexpr double kDotsPerMm = 400 / 25.4;
    const int across = static_cast<int>(acrossMm * kDotsPerMm);
    for (int at = static_cast<int>(fromMm * kDotsPerMm); at < (fromMm + 5) * kDotsPerMm; ++at) {
        if (qGray(alongRow ? page.pixel(at, across) : page.pixel(across, at)) < 128) {
            return at / kDotsPerMm;
        }
    }
    return -1;
}

void PrintCommand::expectCutWherePrinted(const QString& queue, int expectedMarks) {
    const QString gift = QStringLiteral(VELTMOOR_TEST_DATA "/../../samples/gift-tags.vmg");
    const CommandRun printed = run({QStringLiteral("print"), gift, QStringLiteral("--printer"),
                                    queue, QStringLiteral("--marks"), QStringLiteral("3")});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    const QImage page = renderFirstPage(
        waitForJobPdf(
            queue,
            printed.out.section(QStringLiteral("job "), 1).section(QLatin1Char('.'), 0, 0).toInt()),
        400);
    ASSERT_FALSE(page.isNull());
    const QString svgPath = folder.filePath(QStringLiteral("sheet.svg"));
    ASSERT_EQ(
        run({QStringLiteral("cutfile"), gift, QStringLiteral("-o"), svgPath,
             QStringLiteral("--marks"), QStringLiteral("3"), QStringLiteral("--printer"), queue})
            .status,
        0);
    QFile svgFile(svgPath);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());

    // Each mark's left and top edges, entered from outside half-way along the other side.
    int marks = 0;
    for (const QRegularExpressionMatch& mark :
         QRegularExpression(QStringLiteral("<rect x=\"([0-9.]+)\" y=\"([0-9.]+)\" "
                                           "width=\"([0-9.]+)\" height=\"([0-9.]+)\""))
             .globalMatch(svg)) {
        const double x = mark.captured(1).toDouble(), y = mark.captured(2).toDouble();
        const double width = mark.captured(3).toDouble(), height = mark.captured(4).toDouble();
        EXPECT_NEAR(firstDark(page, x - 1, y + height / 2, true), x, 0.2);
        EXPECT_NEAR(firstDark(page, y - 1, x + width / 2, false), y, 0.2);
        ++marks;
    }
    EXPECT_EQ(marks, expectedMarks);

    // The first tag's left edge, a straight line, entered from the margin half-way down.
    const QString firstTag =
        QRegularExpression(QStringLiteral("id=\"cut\"[^<]*<path d=\"([^\"]*)\""))
            .match(svg)
            .captured(1);
    double left = 1e9, top = 1e9, bottom = 0;
    for (const QRegularExpressionMatch& point :
         QRegularExpression(QStringLiteral("[ML] ([0-9.]+) ([0-9.]+)")).globalMatch(firstTag)) {
        left = std::min(left, point.captured(1).toDouble());
        top = std::min(top, point.captured(2).toDouble());
        bottom = std::max(bottom, point.captured(2).toDouble());
    }
    ASSERT_LT(left, 1e9) << svg.toStdString();
    EXPECT_NEAR(firstDark(page, left - 3, (top + bottom) / 2, true), left, 0.2);
}

// The cut file for a printer's page, without and with unprintable margins: the machine cuts
// where the printer printed. The margins leave no room for the marks: neither the page nor
// the cut file has them.
TEST_F(PrintCommand, MarksAndCutLinesArePrintedWhereTheCutFileSays) {
    const struct {
        QString queue;
        int marks;
    } printers[] = {{testQueue(), 5}, {marginsQueue(), 0}};
    for (const auto& printer : printers) {
        SCOPED_TRACE(printer.queue.toStdString());
        expectCutWherePrinted(printer.queue, printer.marks);
    }
}

} // namespace
} // namespace veltmoor
