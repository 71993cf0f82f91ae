#include "app/ui/RedrawScheduler.h"

namespace veltmoor {

QtSchedulerTimer::QtSchedulerTimer(int milliseconds) {
    timer_.setSingleShot(true);
    // A coarse timer may fire a little early; the waits are part of what the user sees.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(milliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimeout) {
            onTimeout();
        }
    });
}

RedrawScheduler::RedrawScheduler(std::unique_ptr<SchedulerTimer> timer,
                                 std::function<void()> compose)
    : timer_(std::move(timer)), compose_(std::move(compose)) {
    timer_->onTimeout = [this] { expired(); };
}

void RedrawScheduler::request() {
    if (!timer_->isActive()) {
        timer_->start();
    }
}

void RedrawScheduler::cancel() {
    timer_->stop();
}

void RedrawScheduler::restart() {
    timer_->stop();
    timer_->start();
}

void RedrawScheduler::setInterval(int milliseconds) {
    if (milliseconds != timer_->interval()) {
        timer_->setInterval(milliseconds);
    }
}

void RedrawScheduler::expired() {
    timer_->stop();
    if (compose_) {
        compose_();
    }
}

} // namespace veltmoor
