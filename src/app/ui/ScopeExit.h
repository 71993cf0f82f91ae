#pragma once

#include <utility>

namespace veltmoor {

// Runs an action when the scope ends, on every way out, an exception included: the
// window is unlocked and the render mode put back however a long command ends.
template <class Action> class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};

} // namespace veltmoor
