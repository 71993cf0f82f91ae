#include "images/ColorizeBitmap.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <vector>

namespace veltmoor {
namespace {

// The nearest entry found the slow way: every entry compared, the first of equals kept.
std::uint8_t bruteForceNearest(const TintPalette& palette, Pixel pixel) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const TColor entry = palette[static_cast<std::size_t>(i)];
        const int dr = redOf(entry) - redOfPixel(pixel);
        const int dg = greenOf(entry) - greenOfPixel(pixel);
        const int db = blueOf(entry) - blueOfPixel(pixel);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

// Random colours; with a pool size, drawn from that many random colours.
Bitmap randomPicture(int width, int height, unsigned seed, std::size_t poolSize = 0) {
    std::mt19937 random(seed);
    std::vector<Pixel> pool(poolSize);
    for (Pixel& pixel : pool) {
        pixel = 0xFF000000u | (random() & 0xFFFFFFu);
    }
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y,
                             pool.empty() ? 0xFF000000u | (random() & 0xFFFFFFu)
                                          : pool[random() % pool.size()]);
        }
    }
    return picture;
}

void expectBruteForceResult(const Bitmap& picture, const TintPalette& palette) {
    const IndexedBitmap tinted = ColorizeBitmap(picture, palette);
    ASSERT_EQ(tinted.width, picture.width());
    ASSERT_EQ(tinted.height, picture.height());
    EXPECT_EQ(tinted.palette, palette);
    int mismatches = 0;
    std::unordered_map<Pixel, std::uint8_t> nearest;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t got =
                tinted.indices[static_cast<std::size_t>(y) * picture.width() + x];
            const Pixel pixel = picture.pixel(x, y);
            const auto [known, fresh] = nearest.try_emplace(pixel, 0);
            if (fresh) {
                known->second = bruteForceNearest(palette, pixel);
            }
            const std::uint8_t want = known->second;
            if (got != want && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel " << std::hex << pixel << std::dec << " gave entry "
                              << int{got} << ", nearest is " << int{want};
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ColorizeBitmap, EveryColouringMatchesTheNearestEntryOnRandomColours) {
    for (int type = 0; type < kTintTypeCount; ++type) {
        SCOPED_TRACE(tintTypeText(type).toStdString());
        expectBruteForceResult(randomPicture(256, 96, 17u + static_cast<unsigned>(type)),
                               tintPaletteFor(type));
    }
}

TEST(ColorizeBitmap, TiesAndPalettesOfAnyShapeMatchTheNearestEntry) {
    // Pixels halfway between two shades of "9 - Yellow with Black" (red + green odd).
    Bitmap halfway(256, 1);
    for (int x = 0; x < 256; ++x) {
        halfway.setPixel(x, 0, pixelFromRgb(x, (x + 1) % 256, x * 7 % 256));
    }
    expectBruteForceResult(halfway, tintPaletteFor(9));
    // Palettes that are no ramp: random entries, and few colours each listed many times.
    std::mt19937 random(5);
    TintPalette scattered{};
    TintPalette repeated{};
    for (std::size_t i = 0; i < 256; ++i) {
        scattered[i] = random() & 0xFFFFFFu;
        repeated[i] = rgbColor(static_cast<int>(i % 3) * 120, 40, static_cast<int>(i % 5) * 60);
    }
    expectBruteForceResult(randomPicture(64, 64, 3), scattered);
    expectBruteForceResult(randomPicture(64, 64, 4), repeated);
    // Half a million pixels are mapped in slices on several cores.
    expectBruteForceResult(randomPicture(1024, 520, 6, 5000), tintPaletteFor(19));
    expectBruteForceResult(randomPicture(1024, 520, 7, 5000), tintPaletteFor(12));
}

TColor tintedColor(Pixel pixel, int type) {
    Bitmap picture(1, 1);
    picture.setPixel(0, 0, pixel);
    const IndexedBitmap tinted = ColorizeBitmap(picture, type);
    return tinted.palette[tinted.indices[0]];
}

TEST(ColorizeBitmap, TheChecksOfTheColourings) {
    constexpr int kBlackAndWhite = 7;
    constexpr int kGrayScale = 8;
    constexpr int kBlue = 1;
    EXPECT_EQ(tintedColor(pixelFromRgb(255, 255, 0), kBlackAndWhite), clWhite);
    EXPECT_EQ(tintedColor(pixelFromRgb(0, 0, 255), kBlackAndWhite), clBlack);
    EXPECT_EQ(tintedColor(pixelFromRgb(255, 0, 0), kGrayScale), rgbColor(85, 85, 85));
    EXPECT_EQ(tintedColor(pixelFromRgb(255, 255, 255), kBlue), clWhite);
    EXPECT_EQ(tintedColor(pixelFromRgb(0, 0, 0), kBlue), rgbColor(0, 0, 255));
    // Black and white splits at r + g + b = 382.5; gray scale takes the mean.
    EXPECT_EQ(tintedColor(pixelFromRgb(127, 127, 128), kBlackAndWhite), clBlack);
    EXPECT_EQ(tintedColor(pixelFromRgb(127, 128, 128), kBlackAndWhite), clWhite);
    EXPECT_EQ(tintedColor(pixelFromRgb(30, 90, 150), kGrayScale), rgbColor(90, 90, 90));
}

} // namespace
} // namespace veltmoor
