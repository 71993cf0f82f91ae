// Composing one tag: the largest tag (5.00 x 5.00 in), "Scalloped", all three texts and a
// thin cut line, with its 12-megapixel photo already decoded, right after a change of its
// geometry, and cold from the file, against one plain pass over the tag's pixels.
#include "SyntheticPhoto.h"

#include "render/TagCompositor.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace veltmoor;

struct PhotoFolder {
    QTemporaryDir folder;
    QString photo;
    PhotoFolder() {
        photo = QDir(folder.path()).filePath(QStringLiteral("photo.jpg"));
        bench::writeSyntheticPhotoJpeg(photo, 1);
    }
};

const PhotoFolder& photoFolder() {
    static const PhotoFolder folder;
    return folder;
}

TagCompositionInput largestTag() {
    TagCompositionInput input;
    input.slotNumber = 1;
    input.slot.FileName = photoFolder().photo;
    input.slot.ValueText = QStringLiteral("$12.95");
    input.slot.EdgeText = QStringLiteral("HANDMADE");
    input.slot.TextBlockText = QStringLiteral("Knitted by hand\r\nfrom local wool\r\nwash cold");
    input.settings.shapeIndex = kShapeScalloped;
    input.settings.cutLineType = kCutLineThin;
    input.settings.TextBlockWidth = 300;
    input.TagWidthDots = 1000;
    input.TagHeightDots = 1000;
    input.page = PageMetrics{4800, 6300, 600, 600};
    return input;
}

void ComposeLargestTagPictureDecoded(benchmark::State& state) {
    const TagCompositionInput input = largestTag();
    PictureCache pictures;
    DrawTagReal(input, pictures); // decode once, as an edit after the first redraw finds it
    for (auto _ : state) {
        ComposedTag composed = DrawTagReal(input, pictures);
        benchmark::DoNotOptimize(composed.tag.data());
    }
}
BENCHMARK(ComposeLargestTagPictureDecoded)->Unit(benchmark::kMillisecond);

// After a change of size, shape or hole: the stencil of the new geometry is made first.
// Cycling through more hole positions than compositions keep stencils for makes every one new.
void ComposeLargestTagNewGeometry(benchmark::State& state) {
    TagCompositionInput input = largestTag();
    PictureCache pictures;
    DrawTagReal(input, pictures);
    int position = 0;
    for (auto _ : state) {
        input.settings.hole.heightOffset = 4 + position;
        position = (position + 1) % 32;
        ComposedTag composed = DrawTagReal(input, pictures);
        benchmark::DoNotOptimize(composed.tag.data());
    }
}
BENCHMARK(ComposeLargestTagNewGeometry)->Unit(benchmark::kMillisecond);

void ComposeLargestTagCold(benchmark::State& state) {
    const TagCompositionInput input = largestTag();
    for (auto _ : state) {
        PictureCache pictures;
        ComposedTag composed = DrawTagReal(input, pictures);
        benchmark::DoNotOptimize(composed.tag.data());
    }
}
BENCHMARK(ComposeLargestTagCold)->Unit(benchmark::kMillisecond);

// The yardsticks: one pass reading every pixel of a 1000 x 1000 tag (as the canvas
// benchmarks measure a pass over a picture), and one pass writing them.
void PlainReadingPassOverTheTag(benchmark::State& state) {
    const Bitmap tag(1000, 1000);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        const Pixel* pixels = tag.data();
        for (std::size_t i = 0; i < 1'000'000; ++i) {
            sum += pixels[i];
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(PlainReadingPassOverTheTag)->Unit(benchmark::kMillisecond);

void PlainPassOverTheTag(benchmark::State& state) {
    Bitmap tag(1000, 1000);
    Pixel value = 0xFF102030u;
    for (auto _ : state) {
        Pixel* pixels = tag.data();
        for (std::size_t i = 0; i < 1'000'000; ++i) {
            pixels[i] = value;
        }
        ++value;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainPassOverTheTag)->Unit(benchmark::kMillisecond);

} // namespace
