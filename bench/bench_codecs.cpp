// Picture codec speed: decoding a camera-sized JPEG whole and at a quarter, and the
// writers used for exports and tinted copies.

#include "platform/Exif.h"
#include "platform/PictureFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

using namespace veltmoor;

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;

// Smooth light, some texture and sensor-like noise, so the entropy coder has about as
// much to do as with a real photograph.
std::vector<std::uint8_t> photoLikeRgb() {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kPhotoWidth) * kPhotoHeight * 3);
    std::uint32_t noise = 12345;
    std::size_t i = 0;
    for (int y = 0; y < kPhotoHeight; ++y) {
        for (int x = 0; x < kPhotoWidth; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>((noise >> 24) % 13) - 6;
            const double texture = 20.0 * std::sin(x * 0.05) * std::cos(y * 0.031);
            const int red = 80 + x * 120 / kPhotoWidth + static_cast<int>(texture) + grain;
            const int green = 60 + y * 140 / kPhotoHeight + grain;
            const int blue = 150 - x * 60 / kPhotoWidth + static_cast<int>(texture / 2) + grain;
            rgb[i++] = static_cast<std::uint8_t>(std::clamp(red, 0, 255));
            rgb[i++] = static_cast<std::uint8_t>(std::clamp(green, 0, 255));
            rgb[i++] = static_cast<std::uint8_t>(std::clamp(blue, 0, 255));
        }
    }
    return rgb;
}

// Encoded the way cameras do it: quality 90, colour at half resolution.
QByteArray cameraJpeg() {
    const std::vector<std::uint8_t> rgb = photoLikeRgb();
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = kPhotoWidth;
    info.image_height = kPhotoHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(
            rgb.data() + static_cast<std::size_t>(info.next_scanline) * kPhotoWidth * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

struct PhotoFile {
    QTemporaryDir folder;
    QString path;
    QByteArray bytes;

    PhotoFile() {
        bytes = cameraJpeg();
        path = QDir(folder.path()).filePath(QStringLiteral("photo.jpg"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            std::abort();
        }
    }
};

const PhotoFile& photo() {
    static const PhotoFile file;
    return file;
}

void BM_DecodeJpeg12MpFull(benchmark::State& state) {
    const PhotoFile& file = photo();
    for (auto _ : state) {
        DecodedPicture picture = readPicture(file.path);
        benchmark::DoNotOptimize(picture.bitmap.data());
    }
    state.counters["MB"] = static_cast<double>(file.bytes.size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * kPhotoWidth * kPhotoHeight);
}
BENCHMARK(BM_DecodeJpeg12MpFull)->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg12MpQuarter(benchmark::State& state) {
    const PhotoFile& file = photo();
    for (auto _ : state) {
        DecodedPicture picture = readPicture(file.path, {kPhotoWidth / 4, kPhotoHeight / 4});
        if (picture.bitmap.width() != kPhotoWidth / 4) {
            state.SkipWithError("not decoded at a quarter");
        }
        benchmark::DoNotOptimize(picture.bitmap.data());
    }
    state.SetItemsProcessed(state.iterations() * kPhotoWidth * kPhotoHeight);
}
BENCHMARK(BM_DecodeJpeg12MpQuarter)->Unit(benchmark::kMillisecond);

// A phone picture taken upright: the same decode plus the quarter turn.
void BM_DecodeJpeg12MpTurned(benchmark::State& state) {
    const PhotoFile& file = photo();
    // APP1 "Exif", little-endian TIFF, one entry: orientation 6.
    const char exif[] = "\xFF\xE1\x00\x22"
                        "Exif\x00\x00"
                        "II\x2A\x00\x08\x00\x00\x00"
                        "\x01\x00"
                        "\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00"
                        "\x00\x00\x00\x00";
    const QByteArray turned =
        file.bytes.left(2) + QByteArray(exif, sizeof exif - 1) + file.bytes.mid(2);
    for (auto _ : state) {
        DecodedPicture picture = decodePicture(turned, file.path);
        if (picture.width != kPhotoHeight) {
            state.SkipWithError("orientation not applied");
        }
        benchmark::DoNotOptimize(picture.bitmap.data());
    }
}
BENCHMARK(BM_DecodeJpeg12MpTurned)->Unit(benchmark::kMillisecond);

void BM_QuarterTurn12Mp(benchmark::State& state) {
    const Bitmap stored(kPhotoWidth, kPhotoHeight, rgbColor(1, 2, 3));
    for (auto _ : state) {
        Bitmap shown = applyOrientation(stored, 6);
        benchmark::DoNotOptimize(shown.data());
    }
}
BENCHMARK(BM_QuarterTurn12Mp)->Unit(benchmark::kMillisecond);

void BM_AllocateWhite12Mp(benchmark::State& state) {
    for (auto _ : state) {
        Bitmap bitmap(kPhotoWidth, kPhotoHeight);
        benchmark::DoNotOptimize(bitmap.data());
    }
}
BENCHMARK(BM_AllocateWhite12Mp)->Unit(benchmark::kMillisecond);

// A letter sheet at 200 dots per inch, as exported.
Bitmap sheet() {
    const PhotoFile& file = photo();
    DecodedPicture picture = decodePicture(file.bytes, file.path, {1600, 1200});
    Bitmap page(1700, 2200);
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            page.setPixel(
                x, y,
                picture.bitmap.pixel(x % picture.bitmap.width(), y % picture.bitmap.height()));
        }
    }
    return page;
}

void BM_EncodeSheetJpeg(benchmark::State& state) {
    const Bitmap page = sheet();
    for (auto _ : state) {
        QByteArray bytes = encodeJpeg(page);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncodeSheetJpeg)->Unit(benchmark::kMillisecond);

void BM_EncodeSheetBmp24(benchmark::State& state) {
    const Bitmap page = sheet();
    for (auto _ : state) {
        QByteArray bytes = encodeBmp24(page);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncodeSheetBmp24)->Unit(benchmark::kMillisecond);

void BM_DecodeSheetBmp24(benchmark::State& state) {
    const QByteArray bytes = encodeBmp24(sheet());
    for (auto _ : state) {
        Bitmap bitmap = decodeBmp(bytes, QStringLiteral("~~page.bmp"));
        benchmark::DoNotOptimize(bitmap.data());
    }
}
BENCHMARK(BM_DecodeSheetBmp24)->Unit(benchmark::kMillisecond);

} // namespace
