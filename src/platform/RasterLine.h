#pragma once

#include "platform/Bitmap.h"

#include <algorithm>
#include <cstdint>

namespace veltmoor::raster {

__extension__ using WideInteger = __int128;

struct ClipProducts {
    std::int64_t minorSteps;
    std::int64_t error;
};

// Where the walk stands after `steps` steps: minor steps made and the decision variable.
inline ClipProducts stepsAtClip(std::int64_t steps, std::int64_t minor, std::int64_t major,
                                std::int64_t bias) {
    const WideInteger numerator = 2 * WideInteger{steps} * minor + bias - major;
    const WideInteger divisor = 2 * WideInteger{major};
    WideInteger quotient = numerator / divisor;
    if (quotient * divisor < numerator) {
        ++quotient;
    }
    const WideInteger error =
        2 * WideInteger{minor} - major + 2 * WideInteger{steps} * minor - 2 * quotient * major;
    return {static_cast<std::int64_t>(quotient), static_cast<std::int64_t>(error)};
}

// Visits the pixels of a one-pixel line from `from` towards `to`, in drawing order, calling
// plot(x, y) for those inside clip (right and bottom exclusive). The start pixel is always
// part of the line; the end pixel only when includeEnd.
//
// The pixel choice is the Windows one: the decision variable starts at 2*minor - major, the
// line steps along its minor axis while the variable is positive, and a line whose minor
// axis runs towards smaller coordinates also steps on a tie. Together these send a pixel
// lying exactly half-way to the smaller coordinate whichever way the line runs, so a line
// and its reverse differ only in the end they leave out, and outlines drawn point by point
// come out as they did on the original platform. Horizontal and vertical runs keep their
// start pixel in both directions. Only the part of the line that can meet the clip is
// walked, so far-away end points cost nothing.
template <typename Plot>
void traceLine(Point from, Point to, Rect clip, bool includeEnd, Plot&& plot) {
    if (clip.isEmpty()) {
        return;
    }
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;

    if (dx == 0 || dy == 0) {
        // A straight run: [start, end) or (end, start], plus the end pixel on request.
        const bool horizontal = dy == 0;
        const std::int64_t start = horizontal ? from.x : from.y;
        const std::int64_t end = horizontal ? to.x : to.y;
        std::int64_t low = std::min(start, end);
        std::int64_t high = std::max(start, end); // exclusive
        if (start > end) {
            ++low;
            ++high;
        }
        if (includeEnd) {
            low = std::min(low, end);
            high = std::max(high, end + 1);
        }
        const std::int64_t fixed = horizontal ? from.y : from.x;
        const int fixedLow = horizontal ? clip.top : clip.left;
        const int fixedHigh = horizontal ? clip.bottom : clip.right;
        if (fixed < fixedLow || fixed >= fixedHigh) {
            return;
        }
        low = std::max<std::int64_t>(low, horizontal ? clip.left : clip.top);
        high = std::min<std::int64_t>(high, horizontal ? clip.right : clip.bottom);
        for (std::int64_t along = low; along < high; ++along) {
            if (horizontal) {
                plot(static_cast<int>(along), static_cast<int>(fixed));
            } else {
                plot(static_cast<int>(fixed), static_cast<int>(along));
            }
        }
        return;
    }

    const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
    const std::int64_t major = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
    const std::int64_t minor = xMajor ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t bias = minorStep < 0 ? 1 : 0;
    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;
    const std::int64_t majorClipLow = xMajor ? clip.left : clip.top;
    const std::int64_t majorClipHigh = xMajor ? clip.right : clip.bottom;
    const std::int64_t minorClipLow = xMajor ? clip.top : clip.left;
    const std::int64_t minorClipHigh = xMajor ? clip.bottom : clip.right;

    // Steps k = 0 .. length-1; step k lies at majorStart + majorStep * k.
    const std::int64_t length = major + (includeEnd ? 1 : 0);
    std::int64_t first = 0;
    std::int64_t last = length; // exclusive
    if (majorStep > 0) {
        first = std::max(first, majorClipLow - majorStart);
        last = std::min(last, majorClipHigh - majorStart);
    } else {
        first = std::max(first, majorStart - majorClipHigh + 1);
        last = std::min(last, majorStart - majorClipLow + 1);
    }
    if (first >= last) {
        return;
    }

    // After k steps the line has made ceil((2k*minor + bias - major) / (2*major)) minor
    // steps, which lets the walk begin at the clip instead of at the start point. The
    // products can pass 64 bits for end points near the limits of int.
    const ClipProducts startAt = stepsAtClip(first, minor, major, bias);
    std::int64_t minorSteps = startAt.minorSteps;
    std::int64_t error = startAt.error;
    std::int64_t majorAt = majorStart + majorStep * first;
    std::int64_t minorAt = minorStart + minorStep * minorSteps;
    for (std::int64_t k = first; k < last; ++k) {
        if (minorAt >= minorClipLow && minorAt < minorClipHigh) {
            if (xMajor) {
                plot(static_cast<int>(majorAt), static_cast<int>(minorAt));
            } else {
                plot(static_cast<int>(minorAt), static_cast<int>(majorAt));
            }
        } else if ((minorStep > 0 && minorAt >= minorClipHigh) ||
                   (minorStep < 0 && minorAt < minorClipLow)) {
            return; // moving away from the clip for good
        }
        if (error + bias > 0) {
            minorAt += minorStep;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
        majorAt += majorStep;
    }
}

} // namespace veltmoor::raster
