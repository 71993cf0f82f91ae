// Tinting a 12-megapixel photo: the colouring preview (the picture already decoded in the
// cache, tinted and fitted into the 350 x 350 box) and the tinted copy written at full
// size, in process and as `veltmoor-tags tint`, against ImageMagick remapping the same
// photo to the same 256 colours without dithering. Before timing, the copy is checked
// pixel for pixel against a nearest-entry search over all 256 entries.
#include "SyntheticPhoto.h"

#include "images/ColorizeBitmap.h"
#include "images/TintedCopy.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>

namespace {

using namespace veltmoor;

// Sepia is searched colour by colour; gray scale answers from a table.
constexpr int kSepia = 0;
constexpr int kGrayScale = 8;

struct PhotoFolder {
    QTemporaryDir folder;
    QString photo;

    PhotoFolder() {
        photo = path("photo.jpg");
        bench::writeSyntheticPhotoJpeg(photo, 3);
    }
    QString path(const std::string& name) const {
        return QDir(folder.path()).filePath(QString::fromStdString(name));
    }
    // The type's palette as a 256 x 1 picture, which ImageMagick's -remap takes.
    QString palettePicture(int type) const {
        const QString file = path("palette" + std::to_string(type) + ".png");
        const TintPalette palette = tintPaletteFor(type);
        Bitmap strip(256, 1);
        for (int i = 0; i < 256; ++i) {
            strip.setPixelColor(i, 0, palette[static_cast<std::size_t>(i)]);
        }
        writePng(file, strip);
        return file;
    }
};

const PhotoFolder& photoFolder() {
    static const PhotoFolder folder;
    return folder;
}

int runQuietly(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

// Pixels whose entry differs from the first nearest of all 256 (searched once per colour).
long long mismatchesAgainstFullSearch(const Bitmap& picture, const IndexedBitmap& tinted) {
    std::unordered_map<Pixel, int> nearest;
    long long mismatches = 0;
    const std::size_t count = tinted.indices.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Pixel pixel = picture.data()[i];
        auto [found, fresh] = nearest.try_emplace(pixel, 0);
        if (fresh) {
            int best = 1 << 30;
            for (int e = 0; e < 256; ++e) {
                const TColor entry = tinted.palette[static_cast<std::size_t>(e)];
                const int dr = redOf(entry) - redOfPixel(pixel);
                const int dg = greenOf(entry) - greenOfPixel(pixel);
                const int db = blueOf(entry) - blueOfPixel(pixel);
                if (dr * dr + dg * dg + db * db < best) {
                    best = dr * dr + dg * dg + db * db;
                    found->second = e;
                }
            }
        }
        mismatches += found->second != tinted.indices[i] ? 1 : 0;
    }
    return mismatches;
}

void TintPreviewFromCache(benchmark::State& state) {
    const int type = static_cast<int>(state.range(0));
    PictureCache cache;
    const auto source = cache.picture(photoFolder().photo, 0, 0);
    for (auto _ : state) {
        Bitmap preview = tintPreview(*cache.picture(photoFolder().photo, 0, 0), type);
        benchmark::DoNotOptimize(preview.data());
    }
    state.counters["decodes"] = cache.decodeCount();
}
BENCHMARK(TintPreviewFromCache)->Arg(kSepia)->Arg(kGrayScale)->Unit(benchmark::kMillisecond);

void TintedCopyFullSize(benchmark::State& state) {
    const int type = static_cast<int>(state.range(0));
    const PhotoFolder& folder = photoFolder();
    const QString out = folder.path("copy.bmp");
    const DecodedPicture decoded = readPicture(folder.photo);
    state.counters["mismatches"] = static_cast<double>(
        mismatchesAgainstFullSearch(decoded.bitmap, ColorizeBitmap(decoded.bitmap, type)));
    for (auto _ : state) {
        writeTintedCopy(folder.photo, type, out);
    }
}
BENCHMARK(TintedCopyFullSize)
    ->Arg(kSepia)
    ->Arg(kGrayScale)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void TintCommandFullSize(benchmark::State& state) {
    const PhotoFolder& folder = photoFolder();
    const std::string command =
        std::string(VELTMOOR_CLI_PATH) + " tint " + folder.photo.toStdString() + " --type " +
        std::to_string(state.range(0)) + " -o " + folder.path("cli.bmp").toStdString();
    for (auto _ : state) {
        if (runQuietly(command) != 0) {
            state.SkipWithError("veltmoor-tags tint failed");
            break;
        }
    }
}
BENCHMARK(TintCommandFullSize)
    ->Arg(kSepia)
    ->Arg(kGrayScale)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void ImageMagickRemap(benchmark::State& state) {
    const PhotoFolder& folder = photoFolder();
    const int type = static_cast<int>(state.range(0));
    const std::string command = "convert " + folder.photo.toStdString() + " +dither -remap " +
                                folder.palettePicture(type).toStdString() + " " +
                                folder.path("magick.bmp").toStdString();
    for (auto _ : state) {
        if (runQuietly(command) != 0) {
            state.SkipWithError("convert failed (package imagemagick)");
            break;
        }
    }
}
BENCHMARK(ImageMagickRemap)
    ->Arg(kSepia)
    ->Arg(kGrayScale)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

} // namespace
