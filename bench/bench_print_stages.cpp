// Where the time of "Print Page" goes once the sheet is composed: the sheet of a Letter page
// at 600 dpi with quarter-inch margins (1600 x 2025 tag dots of photograph-like pixels)
// made into the PDF the printer is handed, the kept "~~page.bmp", and for comparison the
// same strips drawn through Qt's PDF engine and the sheet written as PNG. In process,
// without the printing system.
#include "SyntheticPhoto.h"

#include "output/BandedPrinting.h"
#include "output/PrinterMetrics.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace veltmoor;

PrinterMetrics letterAt600() {
    PrinterMetrics metrics = builtInPdfPrinterMetrics(PaperChoice::Letter);
    metrics.PageHeight = 6075;
    return metrics;
}

const Bitmap& photoSheet() {
    static const Bitmap sheet = bench::syntheticPhoto(1600, 2025, 3);
    return sheet;
}

void SheetPdfForThePrinter(benchmark::State& state) {
    const PrinterMetrics metrics = letterAt600();
    const PaperOnPdf paper{QSizeF(612, 792), 1, QStringLiteral("sheet")};
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = PrintBitmapBanded(photoSheet(), metrics, paper).size();
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(SheetPdfForThePrinter)->Unit(benchmark::kMillisecond)->UseRealTime();

void BandedSheetThroughQtPdfEngine(benchmark::State& state) {
    const PrinterMetrics metrics = letterAt600();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(metrics.PixelsPerInchX);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::LosslessImageRendering);
        Bitmap strip;
        for (const StripOnPaper& placed :
             stripsOnPaper(photoSheet().width(), photoSheet().height(), metrics)) {
            copyStripRows(photoSheet(), PrintStrip{placed.firstRow, placed.rowCount, {}}, strip);
            painter.drawImage(placed.onPaper, strip.toQImage());
        }
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BandedSheetThroughQtPdfEngine)->Unit(benchmark::kMillisecond)->UseRealTime();

void KeptSheetAsBmp(benchmark::State& state) {
    const QTemporaryDir folder;
    for (auto _ : state) {
        writeBmp24(folder.filePath(QStringLiteral("~~page.bmp")), photoSheet());
    }
}
BENCHMARK(KeptSheetAsBmp)->Unit(benchmark::kMillisecond)->UseRealTime();

void SheetAsPng(benchmark::State& state) {
    const QImage image = photoSheet().toQImage();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        bytes = buffer.size();
    }
    state.counters["png_kB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(SheetAsPng)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
