#include "platform/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace veltmoor {

namespace {

// A row still to be searched: pixels [left, right] of row y, reached from row y - direction.
struct PendingRow {
    int left;
    int right; // inclusive
    int y;
    int direction;
};

// Span filling with an explicit stack (Smith's scanline variant): each run is found once,
// its row beyond is searched over the run's width and the row it came from only where the
// run overhangs its parent, so every pixel is looked at a small constant number of times
// whatever the region's shape, and nothing recurses.
template <bool SameColour>
std::vector<Span> findRegion(const Bitmap& bitmap, Point seed, Pixel key) {
    const int width = bitmap.width();
    const int height = bitmap.height();
    // One bit a pixel marks what the region already holds; a byte a pixel would cost a
    // megabyte to clear for every fill of a large tag.
    const std::size_t wordsPerRow = (static_cast<std::size_t>(width) + 63) / 64;
    std::vector<std::uint64_t> taken(wordsPerRow * static_cast<std::size_t>(height));
    std::vector<Span> spans;
    std::vector<PendingRow> pending;

    const Pixel* row = nullptr;
    std::uint64_t* rowTaken = nullptr;
    auto select = [&](int y) {
        row = bitmap.row(y);
        rowTaken = taken.data() + static_cast<std::size_t>(y) * wordsPerRow;
    };
    auto isTaken = [&](int x) { return (rowTaken[x >> 6] >> (x & 63)) & 1u; };
    auto fillable = [&](int x) {
        return x >= 0 && x < width && !isTaken(x) &&
               (((row[x] ^ key) & 0xFFFFFFu) == 0) == SameColour;
    };
    auto take = [&](int from, int to, int y) { // [from, to)
        for (int x = from; x < to;) {
            const int bit = x & 63;
            const int count = std::min(64 - bit, to - x);
            const std::uint64_t bits =
                count == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << count) - 1) << bit;
            rowTaken[x >> 6] |= bits;
            x += count;
        }
        spans.push_back({y, from, to});
    };
    auto push = [&](int left, int right, int y, int direction) {
        if (y >= 0 && y < height && left <= right) {
            pending.push_back({left, right, y, direction});
        }
    };

    push(seed.x, seed.x, seed.y, 1);
    push(seed.x, seed.x, seed.y - 1, -1);
    while (!pending.empty()) {
        const PendingRow next = pending.back();
        pending.pop_back();
        select(next.y);
        int x1 = next.left;
        const int x2 = next.right;
        int x = x1;
        if (fillable(x)) {
            while (fillable(x - 1)) {
                --x;
            }
            if (x < x1) {
                push(x, x1 - 1, next.y - next.direction, -next.direction);
            }
        }
        while (x1 <= x2) {
            while (fillable(x1)) {
                ++x1;
            }
            if (x1 > x) {
                // The run, with whatever lay left of the searched range on the first pass.
                take(x, x1, next.y);
                push(x, x1 - 1, next.y + next.direction, next.direction);
            }
            if (x1 - 1 > x2) {
                push(x2 + 1, x1 - 1, next.y - next.direction, -next.direction);
            }
            ++x1;
            while (x1 < x2 && !fillable(x1)) {
                ++x1;
            }
            x = x1;
        }
    }
    return spans;
}

} // namespace

std::vector<Span> floodRegion(const Bitmap& bitmap, Point seed, TColor color, FillMode mode) {
    if (!bitmap.contains(seed.x, seed.y)) {
        return {};
    }
    // System colours compare as the pixel they are painted as.
    const Pixel key = pixelFromColor(color);
    const bool seedMatches = ((bitmap.pixel(seed.x, seed.y) ^ key) & 0xFFFFFFu) == 0;
    if (mode == FillMode::Surface) {
        return seedMatches ? findRegion<true>(bitmap, seed, key) : std::vector<Span>{};
    }
    return seedMatches ? std::vector<Span>{} : findRegion<false>(bitmap, seed, key);
}

std::vector<Span> pixelRuns(const Bitmap& bitmap, Pixel value) {
    std::vector<Span> runs;
    const int width = bitmap.width();
    for (int y = 0; y < bitmap.height(); ++y) {
        const Pixel* row = bitmap.row(y);
        const Pixel* const end = row + width;
        const Pixel* at = std::find(row, end, value);
        while (at != end) {
            const Pixel* const runEnd =
                std::find_if(at, end, [value](Pixel p) { return p != value; });
            runs.push_back({y, static_cast<int>(at - row), static_cast<int>(runEnd - row)});
            at = std::find(runEnd, end, value);
        }
    }
    return runs;
}

void fillSpans(Bitmap& bitmap, const std::vector<Span>& spans, Pixel value) {
    for (const Span& span : spans) {
        if (span.y < 0 || span.y >= bitmap.height()) {
            continue;
        }
        const int left = std::max(span.left, 0);
        const int right = std::min(span.right, bitmap.width());
        if (left < right) {
            std::fill(bitmap.row(span.y) + left, bitmap.row(span.y) + right, value);
        }
    }
}

} // namespace veltmoor
