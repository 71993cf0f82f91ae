// Sheet output: composing a Letter sheet at 200 dpi from nine tags and writing it out.
#include "output/ImageExport.h"
#include "output/SheetLayout.h"
#include "output/StripPlan.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace veltmoor;

constexpr PageMetrics kLetterAt600{4800, 6300, 600, 600};
constexpr int kTagWidth = 400;
constexpr int kTagHeight = 800;

// Nine tags with busy content, so nothing compresses or copies trivially.
std::array<img, 16> nineTags() {
    std::array<img, 16> table;
    for (int slot = 1; slot <= 9; ++slot) {
        img& entry = table[static_cast<std::size_t>(slot)];
        entry.FileName = QStringLiteral("tag%1.jpg").arg(slot);
        entry.TagImage.resize(kTagWidth, kTagHeight);
        for (int y = 0; y < kTagHeight; ++y) {
            for (int x = 0; x < kTagWidth; ++x) {
                entry.TagImage.setPixelColor(x, y, rgbColor(x * slot, y + slot * 20, x ^ y));
            }
        }
    }
    return table;
}

void BM_ComposeSheet(benchmark::State& state) {
    const auto table = nineTags();
    const PageGrid grid = computePageGrid(kLetterAt600, kTagWidth, kTagHeight);
    for (auto _ : state) {
        Bitmap sheet = composeSheet(table, grid, kTagWidth, kTagHeight);
        benchmark::DoNotOptimize(sheet.data());
    }
}
BENCHMARK(BM_ComposeSheet)->Unit(benchmark::kMillisecond);

void BM_ComposeSheetAndWriteBmp(benchmark::State& state) {
    const auto table = nineTags();
    const PageGrid grid = computePageGrid(kLetterAt600, kTagWidth, kTagHeight);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.bmp"));
    for (auto _ : state) {
        const Bitmap sheet = composeSheet(table, grid, kTagWidth, kTagHeight);
        exportPicture(path, sheet);
    }
}
BENCHMARK(BM_ComposeSheetAndWriteBmp)->Unit(benchmark::kMillisecond);

void BM_SheetForEmailAsJpeg(benchmark::State& state) {
    const auto table = nineTags();
    const PageGrid grid = computePageGrid(kLetterAt600, kTagWidth, kTagHeight);
    const Bitmap sheet = composeSheet(table, grid, kTagWidth, kTagHeight);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.jpg"));
    for (auto _ : state) {
        exportPicture(path, sheet, ExportSize::SheetForEmail);
    }
}
BENCHMARK(BM_SheetForEmailAsJpeg)->Unit(benchmark::kMillisecond);

void BM_PrintStrips(benchmark::State& state) {
    const auto table = nineTags();
    const PageGrid grid = computePageGrid(kLetterAt600, kTagWidth, kTagHeight);
    const Bitmap sheet = composeSheet(table, grid, kTagWidth, kTagHeight);
    Bitmap strip;
    for (auto _ : state) {
        const StripPlan plan = planPrintStrips(sheet.width(), sheet.height(), kLetterAt600);
        for (const PrintStrip& band : plan.strips) {
            copyStripRows(sheet, band, strip);
            benchmark::DoNotOptimize(strip.data());
        }
    }
}
BENCHMARK(BM_PrintStrips)->Unit(benchmark::kMillisecond);

} // namespace
