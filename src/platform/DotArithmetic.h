#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace veltmoor {

// Page arithmetic is 32-bit with products formed before dividing. Forming the product in
// 64 bits gives the same quotient whenever the 32-bit product would not overflow, and a
// driver or a typed page size that would overflow cannot become undefined behaviour.
constexpr int saturateToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// value * numerator div divisor, truncated toward zero. A device without a resolution
// reports 0 dots per inch; dividing by it gives 0 rather than a crash.
constexpr int mulDiv(int value, int numerator, int divisor) {
    if (divisor <= 0) {
        return 0;
    }
    return saturateToInt(static_cast<std::int64_t>(value) * numerator / divisor);
}

} // namespace veltmoor
