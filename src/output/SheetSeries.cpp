#include "output/SheetSeries.h"

#include <future>

namespace veltmoor {

void streamSheets(const SheetSeries& sheets,
                  const std::function<void(int index, const Bitmap& sheet)>& write) {
    if (sheets.count <= 0) {
        return;
    }
    const auto composeAsync = [&](int index) {
        return std::async(std::launch::async, [&sheets, index] { return sheets.compose(index); });
    };
    std::future<Bitmap> next = composeAsync(0);
    for (int index = 0; index < sheets.count; ++index) {
        const Bitmap sheet = next.get();
        if (index + 1 < sheets.count) {
            // An async future waits for its composition when it is left behind by a failure.
            next = composeAsync(index + 1);
        }
        write(index, sheet);
        if (sheets.progress) {
            sheets.progress(index + 1, sheets.count);
        }
    }
}

} // namespace veltmoor
