#include "platform/OnAllCores.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace veltmoor {

void runOnAllCores(std::size_t workers, const std::function<void()>& work) {
    const std::size_t threads =
        std::min<std::size_t>(workers, std::max(1u, std::thread::hardware_concurrency()));
    // An exception must not leave a helper thread (that ends the process): the first one
    // thrown anywhere is kept and thrown here once every thread has finished.
    std::mutex guard;
    std::exception_ptr failure;
    const auto guardedWork = [&] {
        try {
            work();
        } catch (...) {
            const std::lock_guard lock(guard);
            failure = failure ? failure : std::current_exception();
        }
    };
    {
        // jthreads join however this scope is left, so none is left running behind.
        std::vector<std::jthread> helpers;
        try {
            for (std::size_t index = 1; index < threads; ++index) {
                helpers.emplace_back(guardedWork);
            }
        } catch (const std::system_error&) {
            // Fewer threads than asked for: the ones running share the work.
        }
        guardedWork();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace veltmoor
