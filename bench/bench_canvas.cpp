#include "platform/Canvas.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

using namespace veltmoor;

// A 1000 x 1000 white region inside a one-pixel black frame.
Bitmap framedRegion() {
    Bitmap bitmap(1002, 1002, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = clBlack;
    canvas.moveTo(0, 0);
    canvas.lineTo(1001, 0);
    canvas.lineTo(1001, 1001);
    canvas.lineTo(0, 1001);
    canvas.lineTo(0, 0);
    return bitmap;
}

void FillRect1000x1000(benchmark::State& state) {
    Bitmap bitmap = framedRegion();
    Canvas canvas(bitmap);
    bool flip = false;
    for (auto _ : state) {
        canvas.brush().color = flip ? clRed : clBlue;
        flip = !flip;
        canvas.fillRect({1, 1, 1001, 1001});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(FillRect1000x1000)->Unit(benchmark::kMicrosecond);

void BorderFloodFill1000x1000(benchmark::State& state) {
    Bitmap bitmap = framedRegion();
    Canvas canvas(bitmap);
    bool flip = false;
    for (auto _ : state) {
        canvas.brush().color = flip ? clRed : clBlue;
        flip = !flip;
        canvas.floodFill(500, 500, clBlack, FillMode::Border);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BorderFloodFill1000x1000)->Unit(benchmark::kMicrosecond);

Bitmap photograph() {
    Bitmap bitmap(4000, 3000);
    std::mt19937 random(3);
    for (int y = 0; y < bitmap.height(); ++y) {
        Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
        }
    }
    return bitmap;
}

void PlainPassOverSource4000x3000(benchmark::State& state) {
    const Bitmap source = photograph();
    for (auto _ : state) {
        std::uint64_t sum = 0;
        const Pixel* pixels = source.data();
        const std::size_t count = static_cast<std::size_t>(source.width()) * source.height();
        for (std::size_t i = 0; i < count; ++i) {
            sum += pixels[i];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 12'000'000);
}
BENCHMARK(PlainPassOverSource4000x3000)->Unit(benchmark::kMillisecond);

void StretchDraw4000x3000To1000x750(benchmark::State& state) {
    const Bitmap source = photograph();
    Bitmap target(1000, 750);
    Canvas canvas(target);
    for (auto _ : state) {
        canvas.stretchDraw({0, 0, 1000, 750}, source);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 12'000'000);
}
BENCHMARK(StretchDraw4000x3000To1000x750)->Unit(benchmark::kMillisecond);

} // namespace
