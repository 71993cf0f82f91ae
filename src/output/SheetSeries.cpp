#include "output/SheetSeries.h"

#include <future>

namespace veltmoor {

void streamSheets(const SheetSeries& sheets,
                  const std::function<void(int index, const Bitmap& sheet)>& write) {
    if (sheets.count <= 0) {
        return;
    }
    // One sheet is written from while the other is composed into.
    std::array<Bitmap, 2> sheetsInHand;
    const auto composeAsync = [&](int index) {
        Bitmap& sheet = sheetsInHand[static_cast<std::size_t>(index % 2)];
        return std::async(std::launch::async,
                          [&sheets, &sheet, index] { sheets.compose(index, sheet); });
    };
    std::future<void> next = composeAsync(0);
    for (int index = 0; index < sheets.count; ++index) {
        next.get();
        if (index + 1 < sheets.count) {
            // An async future waits for its composition when it is left behind by a failure.
            next = composeAsync(index + 1);
        }
        write(index, sheetsInHand[static_cast<std::size_t>(index % 2)]);
        if (sheets.progress) {
            sheets.progress(index + 1, sheets.count);
        }
    }
}

} // namespace veltmoor
