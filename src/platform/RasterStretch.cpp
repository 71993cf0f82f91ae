#include "platform/RasterStretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace veltmoor::raster {

namespace {

// The three channels of a pixel travel together in one 64-bit word, 21 bits apart (blue at
// bit 0, green at 21, red at 42), so that one multiply-add filters all of them. A lane
// holds up to 2^21 - 1: enough for 255 times a weight total of 8192.
constexpr std::uint64_t lanes(std::uint64_t each) {
    return each | (each << 21) | (each << 42);
}

inline std::uint64_t spread(Pixel pixel) {
    return (pixel & 0xFFu) | (std::uint64_t{pixel & 0xFF00u} << 13) |
           (std::uint64_t{pixel & 0xFF0000u} << 26);
}

inline Pixel gather(std::uint64_t word) {
    return 0xFF000000u | static_cast<Pixel>(word & 0xFFu) |
           static_cast<Pixel>((word >> 13) & 0xFF00u) |
           static_cast<Pixel>((word >> 26) & 0xFF0000u);
}

// The rows are weighted to 8192, reduced to 12 bits per channel, then the columns are
// weighted to 256, which leaves 20 bits per lane before the final rounding.
constexpr std::uint32_t kRowTotal = 8192;
constexpr int kRowShift = 9;
constexpr std::uint32_t kColumnTotal = 256;
constexpr int kColumnShift = 12;
constexpr std::uint64_t kRowRounding = lanes(1u << (kRowShift - 1));
constexpr std::uint64_t kMiddleMask = lanes(0xFFF);
constexpr std::uint64_t kColumnRounding = lanes(1u << (kColumnShift - 1));

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
    const Taps columns = makeTaps(destination.left, width, source.width(), visible.xLow,
                                  visible.xHigh, kColumnTotal);
    const Taps rows =
        makeTaps(destination.top, height, source.height(), visible.yLow, visible.yHigh, kRowTotal);

    const int sourceColumns = columns.sourceHigh - columns.sourceLow;
    std::vector<std::uint64_t> middle(static_cast<std::size_t>(sourceColumns));
    std::uint64_t* const sums = middle.data();
    for (int y = visible.yLow; y < visible.yHigh; ++y) {
        const auto rowIndex = static_cast<std::size_t>(y - visible.yLow);
        const std::uint32_t* rowWeights = rows.weights.data() + rows.offset[rowIndex];
        std::fill(middle.begin(), middle.end(), 0);
        for (int tap = 0; tap < rows.count[rowIndex]; ++tap) {
            const std::uint64_t weight = rowWeights[tap];
            if (weight == 0) {
                continue;
            }
            const Pixel* from = source.row(rows.first[rowIndex] + tap) + columns.sourceLow;
            for (int i = 0; i < sourceColumns; ++i) {
                sums[i] += weight * spread(from[i]);
            }
        }
        for (int i = 0; i < sourceColumns; ++i) {
            sums[i] = ((sums[i] + kRowRounding) >> kRowShift) & kMiddleMask;
        }

        Pixel* to = target.row(y);
        for (int x = visible.xLow; x < visible.xHigh; ++x) {
            const auto columnIndex = static_cast<std::size_t>(x - visible.xLow);
            const std::uint32_t* columnWeights =
                columns.weights.data() + columns.offset[columnIndex];
            const std::uint64_t* in = sums + (columns.first[columnIndex] - columns.sourceLow);
            std::uint64_t sum = kColumnRounding;
            for (int tap = 0; tap < columns.count[columnIndex]; ++tap) {
                sum += std::uint64_t{columnWeights[tap]} * in[tap];
            }
            to[x] = gather(sum >> kColumnShift);
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
