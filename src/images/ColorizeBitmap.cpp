// Nearest-colour mapping, pixel for pixel the same as comparing every pixel with all 256
// entries, but fast enough for a camera photo: most palettes are ramps in which the
// nearest entry depends on one sum of the pixel's components, so a 766-entry table
// answers each pixel; other palettes are searched once per distinct colour of the picture.

#include "images/ColorizeBitmap.h"

#include "platform/OnAllCores.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace veltmoor {

namespace {

constexpr std::size_t kColorCount = std::size_t{1} << 24;
// Below this many pixels a second thread costs more than it saves.
constexpr std::size_t kPixelsPerThread = 1 << 18;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

Rgb rgbOf(TColor color) {
    return {redOf(color), greenOf(color), blueOf(color)};
}

Rgb rgbOfPixel(Pixel pixel) {
    return {redOfPixel(pixel), greenOfPixel(pixel), blueOfPixel(pixel)};
}

// Runs work(begin, end) over [0, count) in slices of at least minimumSlice, shared among
// the cores.
template <typename Work> void inSlices(std::size_t count, std::size_t minimumSlice, Work work) {
    const std::size_t slices = std::max<std::size_t>(count / minimumSlice, 1);
    const std::size_t step = (count + slices - 1) / slices;
    std::atomic<std::size_t> next{0};
    runOnAllCores(slices, [&] {
        for (std::size_t slice = next++; slice < slices; slice = next++) {
            const std::size_t begin = std::min(count, slice * step);
            work(begin, std::min(count, begin + step));
        }
    });
}

// A palette whose entries differ only along some components, each entry holding one value
// v in all of them (tints, shades, black and white). The other components are the same in
// every entry, so they add the same to every distance; what remains,
// n * v * v - 2 * v * (sum of the pixel's varying components), depends on that sum alone.
struct Ramp {
    std::array<int, 3> varies{}; // 1 for each varying component (red, green, blue)
    std::array<std::uint8_t, 766> entryForSum{};
};

std::optional<Ramp> rampOf(const TintPalette& palette) {
    Ramp ramp;
    const Rgb first = rgbOf(palette[0]);
    for (const TColor color : palette) {
        const Rgb rgb = rgbOf(color);
        ramp.varies[0] |= rgb.red != first.red ? 1 : 0;
        ramp.varies[1] |= rgb.green != first.green ? 1 : 0;
        ramp.varies[2] |= rgb.blue != first.blue ? 1 : 0;
    }
    std::array<int, 256> values{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const Rgb rgb = rgbOf(palette[i]);
        const std::array<int, 3> components{rgb.red, rgb.green, rgb.blue};
        std::optional<int> value;
        for (std::size_t c = 0; c < 3; ++c) {
            if (ramp.varies[c] == 0) {
                continue;
            }
            if (value && *value != components[c]) {
                return std::nullopt;
            }
            value = components[c];
        }
        values[i] = value.value_or(0);
    }
    const long long varying = ramp.varies[0] + ramp.varies[1] + ramp.varies[2];
    for (long long sum = 0; sum < static_cast<long long>(ramp.entryForSum.size()); ++sum) {
        std::size_t best = 0;
        long long bestScore = std::numeric_limits<long long>::max();
        for (std::size_t i = 0; i < values.size(); ++i) {
            const long long v = values[i];
            const long long score = varying * v * v - 2 * v * sum;
            if (score < bestScore) {
                bestScore = score;
                best = i;
            }
        }
        ramp.entryForSum[static_cast<std::size_t>(sum)] = static_cast<std::uint8_t>(best);
    }
    return ramp;
}

void mapThroughRamp(const Bitmap& picture, const Ramp& ramp, std::uint8_t* indices) {
    const Pixel* pixels = picture.data();
    const auto redWeight = static_cast<std::uint32_t>(ramp.varies[0]);
    const auto greenWeight = static_cast<std::uint32_t>(ramp.varies[1]);
    const auto blueWeight = static_cast<std::uint32_t>(ramp.varies[2]);
    const std::size_t count =
        static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height());
    inSlices(count, kPixelsPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const Pixel p = pixels[i];
            const std::uint32_t sum = ((p >> 16) & 0xFF) * redWeight +
                                      ((p >> 8) & 0xFF) * greenWeight + (p & 0xFF) * blueWeight;
            indices[i] = ramp.entryForSum[sum];
        }
    });
}

// Any other palette (the tones): entries ordered by their position along the palette's
// main direction. No entry can be nearer than its distance along that direction, nor
// nearer than the pixel's distance from the direction's line less the farthest any entry
// lies from it, so a search outward from the pixel's own position stops early.
class RampSearch {
public:
    explicit RampSearch(const TintPalette& palette) {
        double meanRed = 0;
        double meanGreen = 0;
        double meanBlue = 0;
        for (const TColor color : palette) {
            meanRed += redOf(color);
            meanGreen += greenOf(color);
            meanBlue += blueOf(color);
        }
        origin_ = {meanRed / 256, meanGreen / 256, meanBlue / 256};
        const Rgb low = rgbOf(palette.front());
        const Rgb high = rgbOf(palette.back());
        direction_ = {static_cast<double>(high.red - low.red),
                      static_cast<double>(high.green - low.green),
                      static_cast<double>(high.blue - low.blue)};
        double length = std::sqrt(dot(direction_, direction_));
        if (length == 0) {
            direction_ = {1, 0, 0};
            length = 1;
        }
        for (double& component : direction_) {
            component /= length;
        }
        for (std::size_t i = 0; i < palette.size(); ++i) {
            const Rgb rgb = rgbOf(palette[i]);
            const Vector offset = offsetOf(rgb);
            const double along = dot(offset, direction_);
            const double across = std::sqrt(std::max(0.0, dot(offset, offset) - along * along));
            farthestAcross_ = std::max(farthestAcross_, across);
            entries_.push_back({along, rgb, static_cast<std::uint8_t>(i)});
        }
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.along < b.along; });
    }

    std::uint8_t nearest(const Rgb& pixel) const {
        const Vector offset = offsetOf(pixel);
        const double along = dot(offset, direction_);
        const double across = std::sqrt(std::max(0.0, dot(offset, offset) - along * along));
        const double acrossGap = std::max(0.0, across - farthestAcross_);
        const double acrossBound = acrossGap * acrossGap;

        const auto start =
            std::lower_bound(entries_.begin(), entries_.end(), along,
                             [](const Entry& entry, double value) { return entry.along < value; });
        int bestDistance = std::numeric_limits<int>::max();
        std::uint8_t best = 0;
        // A margin keeps rounding in the bound from ever skipping an entry that ties.
        const auto beyondReach = [&](const Entry& entry) {
            const double gap = entry.along - along;
            return gap * gap + acrossBound > bestDistance + 0.5;
        };
        const auto consider = [&](const Entry& entry) {
            const int dr = entry.rgb.red - pixel.red;
            const int dg = entry.rgb.green - pixel.green;
            const int db = entry.rgb.blue - pixel.blue;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance || (distance == bestDistance && entry.index < best)) {
                bestDistance = distance;
                best = entry.index;
            }
        };
        auto up = start;
        auto down = start;
        bool upOpen = up != entries_.end();
        bool downOpen = down != entries_.begin();
        while (upOpen || downOpen) {
            if (upOpen) {
                if (beyondReach(*up)) {
                    upOpen = false;
                } else {
                    consider(*up);
                    upOpen = ++up != entries_.end();
                }
            }
            if (downOpen) {
                if (beyondReach(*(down - 1))) {
                    downOpen = false;
                } else {
                    consider(*--down);
                    downOpen = down != entries_.begin();
                }
            }
        }
        return best;
    }

private:
    using Vector = std::array<double, 3>;
    struct Entry {
        double along;
        Rgb rgb;
        std::uint8_t index;
    };

    static double dot(const Vector& a, const Vector& b) {
        return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    }
    Vector offsetOf(const Rgb& rgb) const {
        return {rgb.red - origin_[0], rgb.green - origin_[1], rgb.blue - origin_[2]};
    }

    Vector origin_{};
    Vector direction_{};
    double farthestAcross_ = 0;
    std::vector<Entry> entries_;
};

// Searches each distinct colour of the picture once: the colours in use are marked first,
// then looked up, then every pixel reads its colour's answer.
void mapThroughSearch(const Bitmap& picture, const TintPalette& palette, std::uint8_t* indices) {
    const RampSearch search(palette);
    const Pixel* pixels = picture.data();
    const std::size_t count =
        static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height());
    constexpr std::size_t kWords = kColorCount / 64;
    auto used = std::make_unique<std::uint64_t[]>(kWords);
    auto entryForColor = std::make_unique_for_overwrite<std::uint8_t[]>(kColorCount);

    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t color = pixels[i] & 0xFFFFFF;
        used[color >> 6] |= std::uint64_t{1} << (color & 63);
    }
    inSlices(kWords, kWords / 64, [&](std::size_t begin, std::size_t end) {
        for (std::size_t word = begin; word < end; ++word) {
            for (std::uint64_t bits = used[word]; bits != 0; bits &= bits - 1) {
                const std::size_t color =
                    word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
                entryForColor[color] = search.nearest(rgbOfPixel(static_cast<Pixel>(color)));
            }
        }
    });
    inSlices(count, kPixelsPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            indices[i] = entryForColor[pixels[i] & 0xFFFFFF];
        }
    });
}

} // namespace

IndexedBitmap ColorizeBitmap(const Bitmap& picture, const TintPalette& palette) {
    IndexedBitmap result;
    result.width = picture.width();
    result.height = picture.height();
    result.palette = palette;
    result.indices.resize(static_cast<std::size_t>(picture.width()) *
                          static_cast<std::size_t>(picture.height()));
    if (result.indices.empty()) {
        return result;
    }
    if (const std::optional<Ramp> ramp = rampOf(palette)) {
        mapThroughRamp(picture, *ramp, result.indices.data());
    } else {
        mapThroughSearch(picture, palette, result.indices.data());
    }
    return result;
}

IndexedBitmap ColorizeBitmap(const Bitmap& picture, int type) {
    return ColorizeBitmap(picture, tintPaletteFor(type));
}

} // namespace veltmoor
