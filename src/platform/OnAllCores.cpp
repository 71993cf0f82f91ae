#include "platform/OnAllCores.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace veltmoor {

void runOnAllCores(std::size_t workers, const std::function<void()>& work) {
    const std::size_t threads =
        std::min<std::size_t>(workers, std::max(1u, std::thread::hardware_concurrency()));
    // jthreads join however this scope is left, so none is left running behind.
    std::vector<std::jthread> helpers;
    try {
        for (std::size_t index = 1; index < threads; ++index) {
            helpers.emplace_back(work);
        }
    } catch (const std::system_error&) {
        // Fewer threads than asked for: the ones running share the work.
    }
    work();
}

} // namespace veltmoor
