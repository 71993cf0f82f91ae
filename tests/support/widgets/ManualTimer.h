#pragma once

#include "app/ui/RedrawScheduler.h"

namespace veltmoor::testing {

// A scheduler timer on a clock the test moves by hand, so that waits are exact and a
// busy machine cannot change what a test sees.
class ManualTimer : public SchedulerTimer {
public:
    explicit ManualTimer(int& now) : now_(now) {}
    bool isActive() const override { return active_; }
    void start() override {
        active_ = true;
        due_ = now_ + interval_;
    }
    void stop() override { active_ = false; }
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override {
        interval_ = milliseconds;
        if (active_) {
            start();
        }
    }
    // Moves the clock to `until`, firing whenever the wait runs out on the way.
    void advanceTo(int until) {
        while (active_ && due_ <= until) {
            now_ = due_;
            onTimeout();
        }
        now_ = until;
    }

private:
    int& now_;
    bool active_ = false;
    int due_ = 0;
    int interval_ = RedrawScheduler::kNormalWait;
};

} // namespace veltmoor::testing
