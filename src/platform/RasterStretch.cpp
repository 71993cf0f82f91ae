#include "platform/RasterStretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace veltmoor::raster {

namespace {

// Filtering works on the channels in place: masking a pixel with 0x00FF00FF leaves red
// and blue in two 16-bit lanes, shifting it down by 8 first does the same for alpha and
// green. With weights that sum to 256 a lane never exceeds 255 * 256, so one multiply
// weighs two channels at once, and on 64-bit words two pixels at a time.
constexpr std::uint32_t kTotal = 256;
constexpr std::uint64_t kLanes64 = 0x00FF00FF00FF00FFull;
constexpr std::uint64_t kHalf64 = 0x0080008000800080ull;
constexpr std::uint32_t kLanes32 = 0x00FF00FFu;
constexpr std::uint32_t kHalf32 = 0x00800080u;

inline std::uint64_t loadPair(const Pixel* pixels) {
    std::uint64_t pair;
    std::memcpy(&pair, pixels, sizeof pair);
    return pair;
}

// Rounds weighted lanes (value * 256) back to 8 bits, still in their lanes.
inline std::uint64_t roundLanes(std::uint64_t weighted) {
    return ((weighted + kHalf64) >> 8) & kLanes64;
}
inline std::uint32_t roundLanes(std::uint32_t weighted) {
    return ((weighted + kHalf32) >> 8) & kLanes32;
}

// Adds up to four weighted source rows into the per-pair sums, two pixels per word. The
// rows and weights are copied into locals so that they stay in registers.
template <int Rows>
void addWeightedRows(const Pixel* const* rows, const std::uint64_t* weights, int pairs,
                     std::uint64_t* sumsRedBlue, std::uint64_t* sumsAlphaGreen, bool first) {
    const Pixel* from[Rows];
    std::uint64_t weight[Rows];
    for (int r = 0; r < Rows; ++r) {
        from[r] = rows[r];
        weight[r] = weights[r];
    }
    for (int pair = 0; pair < pairs; ++pair) {
        std::uint64_t redBlue = first ? 0 : sumsRedBlue[pair];
        std::uint64_t alphaGreen = first ? 0 : sumsAlphaGreen[pair];
#pragma GCC unroll 4
        for (int r = 0; r < Rows; ++r) {
            const std::uint64_t two = loadPair(from[r] + 2 * pair);
            redBlue += weight[r] * (two & kLanes64);
            alphaGreen += weight[r] * ((two >> 8) & kLanes64);
        }
        sumsRedBlue[pair] = redBlue;
        sumsAlphaGreen[pair] = alphaGreen;
    }
}

std::int64_t floorDivide(std::int64_t numerator, std::int64_t divisor) {
    const std::int64_t quotient = numerator / divisor;
    return quotient * divisor > numerator ? quotient - 1 : quotient;
}

// For every visible target index along one axis, the source indices it reads and their
// weights (each group sums to the total).
struct Taps {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<std::size_t> offset;
    std::vector<std::uint32_t> weights;
    int sourceLow = 0;
    int sourceHigh = 0; // exclusive

    void add(int targetFirst, std::initializer_list<std::uint32_t> groupWeights) {
        first.push_back(targetFirst);
        count.push_back(static_cast<int>(groupWeights.size()));
        offset.push_back(weights.size());
        weights.insert(weights.end(), groupWeights);
    }
};

Taps makeTaps(std::int64_t destinationStart, std::int64_t destinationLength, int sourceLength,
              int visibleLow, int visibleHigh, std::uint32_t total) {
    Taps taps;
    const std::int64_t s = sourceLength;
    const std::int64_t d = destinationLength;
    for (int target = visibleLow; target < visibleHigh; ++target) {
        const std::int64_t r = target - destinationStart;
        if (s == d) {
            taps.add(static_cast<int>(r), {total});
        } else if (s > d) {
            // Box filter: target pixel r covers [r*s, (r+1)*s) and source pixel i covers
            // [i*d, (i+1)*d), both in units of 1/(s*d). Rounding the running sum keeps every
            // weight within one unit of its share and the group exactly at the total.
            const std::int64_t low = r * s;
            const std::int64_t high = low + s;
            const std::int64_t firstSource = low / d;
            const std::int64_t lastSource = (high - 1) / d;
            taps.first.push_back(static_cast<int>(firstSource));
            taps.count.push_back(static_cast<int>(lastSource - firstSource + 1));
            taps.offset.push_back(taps.weights.size());
            std::int64_t covered = 0;
            std::int64_t given = 0;
            for (std::int64_t i = firstSource; i <= lastSource; ++i) {
                covered += std::min((i + 1) * d, high) - std::max(i * d, low);
                const std::int64_t due = (covered * total + s / 2) / s;
                taps.weights.push_back(static_cast<std::uint32_t>(due - given));
                given = due;
            }
        } else {
            // Linear between pixel centres: the centre of target pixel r sits at source
            // position ((2r + 1) * s - d) / (2d).
            const std::int64_t numerator = (2 * r + 1) * s - d;
            const std::int64_t base = floorDivide(numerator, 2 * d);
            const std::int64_t fraction = numerator - base * 2 * d;
            if (base < 0) {
                taps.add(0, {total});
            } else if (base >= s - 1) {
                taps.add(static_cast<int>(s - 1), {total});
            } else {
                const auto upper = static_cast<std::uint32_t>((fraction * total + d) / (2 * d));
                taps.add(static_cast<int>(base), {total - upper, upper});
            }
        }
    }
    if (!taps.first.empty()) {
        taps.sourceLow = taps.first.front();
        taps.sourceHigh = taps.first.back() + taps.count.back();
    }
    return taps;
}

struct Visible {
    int xLow, xHigh, yLow, yHigh;
    bool isEmpty() const { return xLow >= xHigh || yLow >= yHigh; }
};

Visible visiblePart(const Bitmap& target, Rect destination) {
    return {std::max(destination.left, 0), std::min(destination.right, target.width()),
            std::max(destination.top, 0), std::min(destination.bottom, target.height())};
}

} // namespace

void copyBitmap(Bitmap& target, int x, int y, const Bitmap& source) {
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{x} + source.width(), target.width());
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{y} + source.height(), target.height());
    if (left >= right || top >= bottom) {
        return;
    }
    const auto columns = static_cast<std::size_t>(right - left);
    for (std::int64_t row = top; row < bottom; ++row) {
        const Pixel* from = source.row(static_cast<int>(row - y)) + (left - x);
        std::memcpy(target.row(static_cast<int>(row)) + left, from, columns * sizeof(Pixel));
    }
}

void stretchSmooth(Bitmap& target, Rect destination, const Bitmap& source) {
    if (source.isEmpty() || destination.isEmpty()) {
        return;
    }
    const std::int64_t width = std::int64_t{destination.right} - destination.left;
    const std::int64_t height = std::int64_t{destination.bottom} - destination.top;
    if (width == source.width() && height == source.height()) {
        copyBitmap(target, destination.left, destination.top, source);
        return;
    }
    const Visible visible = visiblePart(target, destination);
    if (visible.isEmpty()) {
        return;
    }
    const Taps columns =
        makeTaps(destination.left, width, source.width(), visible.xLow, visible.xHigh, kTotal);
    const Taps rows =
        makeTaps(destination.top, height, source.height(), visible.yLow, visible.yHigh, kTotal);

    // One target row at a time: first the source rows are weighed together into one row
    // of the source's width (red-blue and alpha-green words kept apart), then its columns.
    const int low = columns.sourceLow;
    const int count = columns.sourceHigh - low;
    std::vector<std::uint32_t> redBlue(static_cast<std::size_t>(count));
    std::vector<std::uint32_t> alphaGreen(static_cast<std::size_t>(count));
    std::vector<std::uint64_t> sumsRedBlue(static_cast<std::size_t>(count / 2));
    std::vector<std::uint64_t> sumsAlphaGreen(static_cast<std::size_t>(count / 2));
    std::vector<const Pixel*> tapRows;
    std::vector<std::uint64_t> tapWeights;
    for (int y = visible.yLow; y < visible.yHigh; ++y) {
        const auto rowIndex = static_cast<std::size_t>(y - visible.yLow);
        tapRows.clear();
        tapWeights.clear();
        for (int tap = 0; tap < rows.count[rowIndex]; ++tap) {
            const std::uint32_t weight = rows.weights[rows.offset[rowIndex] + tap];
            if (weight != 0) {
                tapRows.push_back(source.row(rows.first[rowIndex] + tap) + low);
                tapWeights.push_back(weight);
            }
        }
        const std::size_t taps = tapRows.size();
        const int pairs = count / 2;
        for (std::size_t done = 0; done < taps; done += 4) {
            const bool first = done == 0;
            const Pixel* const* group = tapRows.data() + done;
            const std::uint64_t* groupWeights = tapWeights.data() + done;
            switch (std::min<std::size_t>(taps - done, 4)) {
            case 1:
                addWeightedRows<1>(group, groupWeights, pairs, sumsRedBlue.data(),
                                   sumsAlphaGreen.data(), first);
                break;
            case 2:
                addWeightedRows<2>(group, groupWeights, pairs, sumsRedBlue.data(),
                                   sumsAlphaGreen.data(), first);
                break;
            case 3:
                addWeightedRows<3>(group, groupWeights, pairs, sumsRedBlue.data(),
                                   sumsAlphaGreen.data(), first);
                break;
            default:
                addWeightedRows<4>(group, groupWeights, pairs, sumsRedBlue.data(),
                                   sumsAlphaGreen.data(), first);
                break;
            }
        }
        for (int pair = 0; pair < pairs; ++pair) {
            const std::uint64_t rb = roundLanes(sumsRedBlue[static_cast<std::size_t>(pair)]);
            const std::uint64_t ag = roundLanes(sumsAlphaGreen[static_cast<std::size_t>(pair)]);
            const auto at = static_cast<std::size_t>(2 * pair);
            redBlue[at] = static_cast<std::uint32_t>(rb);
            redBlue[at + 1] = static_cast<std::uint32_t>(rb >> 32);
            alphaGreen[at] = static_cast<std::uint32_t>(ag);
            alphaGreen[at + 1] = static_cast<std::uint32_t>(ag >> 32);
        }
        if (count % 2 != 0) {
            // The odd last column, on its own so that no pair reads past the row.
            const int i = count - 1;
            std::uint32_t sumRedBlue = 0;
            std::uint32_t sumAlphaGreen = 0;
            for (std::size_t tap = 0; tap < taps; ++tap) {
                const Pixel pixel = tapRows[tap][i];
                const auto weight = static_cast<std::uint32_t>(tapWeights[tap]);
                sumRedBlue += weight * (pixel & kLanes32);
                sumAlphaGreen += weight * ((pixel >> 8) & kLanes32);
            }
            redBlue[static_cast<std::size_t>(i)] = roundLanes(sumRedBlue);
            alphaGreen[static_cast<std::size_t>(i)] = roundLanes(sumAlphaGreen);
        }

        Pixel* to = target.row(y);
        for (int x = visible.xLow; x < visible.xHigh; ++x) {
            const auto columnIndex = static_cast<std::size_t>(x - visible.xLow);
            const std::uint32_t* weights = columns.weights.data() + columns.offset[columnIndex];
            const auto first = static_cast<std::size_t>(columns.first[columnIndex] - low);
            std::uint32_t sumRedBlue = kHalf32;
            std::uint32_t sumAlphaGreen = kHalf32;
            for (int tap = 0; tap < columns.count[columnIndex]; ++tap) {
                sumRedBlue += weights[tap] * redBlue[first + static_cast<std::size_t>(tap)];
                sumAlphaGreen += weights[tap] * alphaGreen[first + static_cast<std::size_t>(tap)];
            }
            to[x] = 0xFF000000u | ((sumRedBlue >> 8) & kLanes32) | (sumAlphaGreen & ~kLanes32);
        }
    }
}

void stretchNearest(Bitmap& target, Rect destination, const Bitmap& source, bool skip,
                    Pixel skipColor) {
    if (source.isEmpty() || destination.isEmpty()) {
        return;
    }
    const Visible visible = visiblePart(target, destination);
    if (visible.isEmpty()) {
        return;
    }
    const std::int64_t width = std::int64_t{destination.right} - destination.left;
    const std::int64_t height = std::int64_t{destination.bottom} - destination.top;
    // The source pixel under the centre of each target pixel; at the same size this is the
    // pixel itself.
    auto nearest = [](std::int64_t r, std::int64_t s, std::int64_t d) {
        return static_cast<int>(((2 * r + 1) * s) / (2 * d));
    };
    std::vector<int> sourceColumn(static_cast<std::size_t>(visible.xHigh - visible.xLow));
    for (int x = visible.xLow; x < visible.xHigh; ++x) {
        sourceColumn[static_cast<std::size_t>(x - visible.xLow)] =
            nearest(x - destination.left, source.width(), width);
    }
    const Pixel key = skipColor & 0xFFFFFFu;
    for (int y = visible.yLow; y < visible.yHigh; ++y) {
        const Pixel* from = source.row(nearest(y - destination.top, source.height(), height));
        Pixel* to = target.row(y) + visible.xLow;
        const int count = visible.xHigh - visible.xLow;
        if (skip) {
            for (int i = 0; i < count; ++i) {
                const Pixel pixel = from[sourceColumn[static_cast<std::size_t>(i)]];
                if ((pixel & 0xFFFFFFu) != key) {
                    to[i] = pixel;
                }
            }
        } else {
            for (int i = 0; i < count; ++i) {
                to[i] = from[sourceColumn[static_cast<std::size_t>(i)]];
            }
        }
    }
}

} // namespace veltmoor::raster
