// A sheet of nine different 12-megapixel photos, 2.00 x 4.00 inch tags on a Letter page at
// 600 dpi, from the start of `veltmoor-tags render` to the written BMP, against (a) djpeg
// decoding the nine photos at full size, (b) ImageMagick's montage laying them on a page
// of the same pixel size and (c) `veltmoor-tags print` of the same sheet ("Print Page") to
// a cups-pdf printer, from the start to the job accepted by CUPS, each print started once
// the printer has finished the one before. Each runs as its own process; the peak memory
// of the render is reported as a counter (kilobytes), and the printed PDF's size against
// the sheet written as PNG.
#include "ChildProcess.h"
#include "SyntheticPhoto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace veltmoor;
using namespace veltmoor::bench;

struct SheetFolder {
    QTemporaryDir folder;
    QStringList photos;
    QString design;

    SheetFolder() {
        QString slotLines;
        for (int slot = 1; slot <= 9; ++slot) {
            const QString photo =
                QDir(folder.path()).filePath(QStringLiteral("photo%1.jpg").arg(slot));
            bench::writeSyntheticPhotoJpeg(photo, slot);
            photos << photo;
            slotLines +=
                QStringLiteral("Tag%1,\"%2\",4000,3000,750,\"%2\",\"$%1.00\",\"GIFT\",\"\","
                               "0,0,0,16777215,255,100,50,50,99,0\r\n")
                    .arg(slot)
                    .arg(photo);
        }
        design = QDir(folder.path()).filePath(QStringLiteral("sheet.vmg"));
        QFile file(design);
        if (file.open(QIODevice::WriteOnly)) {
            file.write((slotLines + settingLines()).toLatin1());
        }
    }

    static QString settingLines() {
        return QStringLiteral(
            "1 CutLine\r\n0 TagType\r\n\"Times New Roman\" ValueFontName\r\n18 ValueFontSize\r\n"
            "0 ValueFontColor\r\n\"Bold \" ValueFontStyle\r\n2 ValuePlace\r\n\"Arial\" "
            "TextFontName\r\n10 TextFontSize\r\n255 TextFontColor\r\n\"Bold \" "
            "TextFontStyle\r\n3 TextPlace\r\n\"Times New Roman\" TextBlockFontName\r\n10 "
            "TextBlockFontSize\r\n-16777208 TextBlockFontColor\r\n\"Bold \" "
            "TextBlockFontStyle\r\n30 TextBlockWOffset\r\n90 TextBlockHOffset\r\n1 "
            "TestBlockAlignment\r\n1 Copies\r\n-1 Printer\r\nPortrait PrinterOrientation\r\noff "
            "NoHole\r\noff BlankSheet\r\non FloatingTag\r\noff AddressLabels\r\n4.00 "
            "Height\r\n2.00 Width\r\n.12 HoleWidth\r\n.12 HoleHeight\r\n50 "
            "HoleWidthOffset\r\n6 HoleHeightOffset\r\n100 ImageSize\r\n50 "
            "ImageHorizontalOffset\r\n50 ImageVerticalOffset\r\n0 PrintImageAdjust\r\n");
    }

    QString output(const char* name) const {
        return QDir(folder.path()).filePath(QLatin1String(name));
    }
};

const SheetFolder& sheetFolder() {
    static const SheetFolder folder;
    return folder;
}

void RenderSheetOfNinePhotos(benchmark::State& state) {
    const SheetFolder& folder = sheetFolder();
    long peak = 0;
    for (auto _ : state) {
        const ChildResult result =
            runChild({VELTMOOR_CLI_PATH, "render", folder.design.toStdString(), "-o",
                      folder.output("sheet.bmp").toStdString(), "--printable", "4800x6300@600"});
        if (result.status != 0) {
            state.SkipWithError("veltmoor-tags render failed");
            break;
        }
        peak = std::max(peak, result.peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
}
BENCHMARK(RenderSheetOfNinePhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

void DjpegNinePhotosFullSize(benchmark::State& state) {
    const SheetFolder& folder = sheetFolder();
    for (auto _ : state) {
        for (const QString& photo : folder.photos) {
            if (runChild({"djpeg", "-outfile", "/dev/null", photo.toStdString()}).status != 0) {
                state.SkipWithError("djpeg failed (package libjpeg-turbo-progs)");
                return;
            }
        }
    }
}
BENCHMARK(DjpegNinePhotosFullSize)->Unit(benchmark::kMillisecond)->UseRealTime();

void MontageNinePhotos(benchmark::State& state) {
    const SheetFolder& folder = sheetFolder();
    std::vector<std::string> arguments{"montage"};
    for (const QString& photo : folder.photos) {
        arguments.push_back(photo.toStdString());
    }
    // Four across, three down on 1600 x 2100 pixels: tiles of 400 x 700.
    for (const char* option : {"-tile", "4x3", "-geometry", "400x700+0+0"}) {
        arguments.emplace_back(option);
    }
    arguments.push_back(folder.output("montage.bmp").toStdString());
    long peak = 0;
    for (auto _ : state) {
        const ChildResult result = runChild(arguments);
        if (result.status != 0) {
            state.SkipWithError("montage failed (package imagemagick)");
            break;
        }
        peak = std::max(peak, result.peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
}
BENCHMARK(MontageNinePhotos)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// A private CUPS server with a Letter, 600 dpi cups-pdf printer (margins 0.25, 0.375, 0.25
// and 0.5 in: a printable area of 4800 x 6075 dots), as the printing tests use.
struct BenchPrinter {
    QString folder = QStringLiteral("/tmp/veltmoor-cups-bench");
    QString queue = QStringLiteral("VeltmoorBench_margins");
    bool started = false;

    BenchPrinter() {
        started = runChild({VELTMOOR_SOURCE_DIR "/scripts/cups-test-server.sh", "start",
                            folder.toStdString(), "VeltmoorBench"})
                      .status == 0;
        qputenv("CUPS_SERVER", (folder + QStringLiteral("/cups.sock")).toLocal8Bit());
    }
    ~BenchPrinter() {
        runChild({VELTMOOR_SOURCE_DIR "/scripts/cups-test-server.sh", "stop", folder.toStdString(),
                  "VeltmoorBench"});
    }

    // Waits until the queue has finished its jobs: the printing system's conversion of the
    // last job would otherwise compete with the next one for the cores. A person clicks
    // "Print Page" once, not in a loop.
    void waitUntilIdle() const {
        for (int wait = 0; wait < 300; ++wait) {
            QProcess jobs;
            jobs.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue});
            if (!jobs.waitForFinished() || jobs.readAllStandardOutput().trimmed().isEmpty()) {
                return;
            }
            usleep(100000);
        }
    }

    // The newest PDF cups-pdf wrote, once it is whole; its size in bytes.
    qint64 lastPdfSize() const {
        const QDir out(folder + QStringLiteral("/out/") + queue);
        for (int wait = 0; wait < 300; ++wait) {
            const QFileInfoList pdfs =
                out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            if (!pdfs.isEmpty() &&
                runChild({"pdfinfo", pdfs.first().filePath().toStdString()}).status == 0) {
                return pdfs.first().size();
            }
            usleep(100000);
        }
        return 0;
    }
};

void PrintSheetOfNinePhotos(benchmark::State& state) {
    const SheetFolder& folder = sheetFolder();
    static BenchPrinter printer;
    if (!printer.started) {
        state.SkipWithError("the CUPS test server did not start (run as root)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        printer.waitUntilIdle();
        state.ResumeTiming();
        if (runChild({VELTMOOR_CLI_PATH, "print", folder.design.toStdString(), "--printer",
                      printer.queue.toStdString()})
                .status != 0) {
            state.SkipWithError("veltmoor-tags print failed");
            return;
        }
    }
    const qint64 pdfBytes = printer.lastPdfSize();
    const QString png = folder.output("sheet.png");
    runChild({VELTMOOR_CLI_PATH, "render", folder.design.toStdString(), "-o", png.toStdString(),
              "--printable", "4800x6075@600"});
    const qint64 pngBytes = QFileInfo(png).size();
    state.counters["pdf_kB"] = static_cast<double>(pdfBytes) / 1024;
    state.counters["png_kB"] = static_cast<double>(pngBytes) / 1024;
    state.counters["pdf_per_png"] =
        pngBytes > 0 ? static_cast<double>(pdfBytes) / static_cast<double>(pngBytes) : 0;
}
BENCHMARK(PrintSheetOfNinePhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

// The render of the same sheet the printer's page makes.
void RenderSheetForThePrintersPage(benchmark::State& state) {
    const SheetFolder& folder = sheetFolder();
    for (auto _ : state) {
        if (runChild({VELTMOOR_CLI_PATH, "render", folder.design.toStdString(), "-o",
                      folder.output("printer-sheet.bmp").toStdString(), "--printable",
                      "4800x6075@600"})
                .status != 0) {
            state.SkipWithError("veltmoor-tags render failed");
            return;
        }
    }
}
BENCHMARK(RenderSheetForThePrintersPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
