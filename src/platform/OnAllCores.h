#pragma once

#include <cstddef>
#include <functional>

namespace veltmoor {

// Runs work() once on this thread and once on each of as many more threads as there are
// further cores, at most `workers` in all, and returns when every one has finished. The
// callers' work shares a queue among the threads. When the system refuses a thread, the
// ones running do the work without it. An exception thrown by work() on any thread reaches
// the caller (the first one, once every thread has finished).
void runOnAllCores(std::size_t workers, const std::function<void()>& work);

} // namespace veltmoor
