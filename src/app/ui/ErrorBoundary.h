#pragma once

#include <functional>

namespace veltmoor {

class Prompts;

// Runs one event handler to its end. An error that escapes it is shown to the user in a
// message box instead of reaching Qt's event loop, which cannot carry exceptions; the
// window stays usable. Returns false when the handler failed.
bool runGuarded(Prompts& prompts, const std::function<void()>& handler);

} // namespace veltmoor
