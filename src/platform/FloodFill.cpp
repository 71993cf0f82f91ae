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

// Runs of colour along one row: pixels whose colour passes the test (equal to the key, or
// not, by mode). The runs are found sixteen pixels a step, since the long runs inside a large
// tag are where fills and stencils spend their time.
template <bool SameColour> class ColourScan {
public:
    ColourScan(const Pixel* row, int width, Pixel key) : row_(row), width_(width), key_(key) {}

    bool passes(int x) const { return x >= 0 && x < width_ && colourPasses(row_[x]); }

    // The end (exclusive) of the passing run through x, or x when x does not pass.
    int runEnd(int x) const {
        int end = x;
        while (end + kChunk <= width_ && chunkPasses(end)) {
            end += kChunk;
        }
        while (end < width_ && colourPasses(row_[end])) {
            ++end;
        }
        return end;
    }

    // The start of the passing run through x.
    int runStart(int x) const {
        int start = x;
        while (start >= kChunk && chunkPasses(start - kChunk)) {
            start -= kChunk;
        }
        while (start > 0 && colourPasses(row_[start - 1])) {
            --start;
        }
        return start;
    }

private:
    static constexpr int kChunk = 16;

    bool colourPasses(Pixel pixel) const {
        return (((pixel ^ key_) & 0xFFFFFFu) == 0) == SameColour;
    }

    // Written as one reduction over the chunk (any pixel that differs from the key, or any
    // that equals it) so that the compiler can test the pixels side by side.
    bool chunkPasses(int from) const {
        const Pixel* pixels = row_ + from;
        std::uint32_t found = 0;
        for (int i = 0; i < kChunk; ++i) {
            const bool equal = ((pixels[i] ^ key_) & 0xFFFFFFu) == 0;
            found |= static_cast<std::uint32_t>(equal != SameColour);
        }
        return found == 0;
    }

    const Pixel* row_;
    int width_;
    Pixel key_;
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

    auto take = [&](std::uint64_t* rowTaken, int from, int to, int y) { // [from, to)
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
        std::uint64_t* rowTaken = taken.data() + static_cast<std::size_t>(next.y) * wordsPerRow;
        const ColourScan<SameColour> scan(bitmap.row(next.y), width, key);
        // Every run the region takes is a whole run of passing colour, so a run entered at a
        // pixel the region does not hold yet holds none of it, and its ends are found by
        // colour alone.
        const auto fillable = [&](int x) {
            return scan.passes(x) && ((rowTaken[x >> 6] >> (x & 63)) & 1u) == 0;
        };
        int x1 = next.left;
        const int x2 = next.right;
        int x = x1;
        if (fillable(x)) {
            x = scan.runStart(x);
            if (x < x1) {
                push(x, x1 - 1, next.y - next.direction, -next.direction);
            }
        }
        while (x1 <= x2) {
            if (fillable(x1)) {
                x1 = scan.runEnd(x1);
            }
            if (x1 > x) {
                // The run, with whatever lay left of the searched range on the first pass.
                take(rowTaken, x, x1, next.y);
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

std::vector<Span> pixelRuns(const Bitmap& bitmap, TColor color) {
    const Pixel key = pixelFromColor(color);
    std::vector<Span> runs;
    const int width = bitmap.width();
    for (int y = 0; y < bitmap.height(); ++y) {
        const ColourScan<true> same(bitmap.row(y), width, key);
        const ColourScan<false> other(bitmap.row(y), width, key);
        int x = other.runEnd(0);
        while (x < width) {
            const int end = same.runEnd(x);
            runs.push_back({y, x, end});
            x = other.runEnd(end);
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
