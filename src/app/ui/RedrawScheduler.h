#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace veltmoor {

// The few things the redraw scheduler needs of a timer, so that tests can drive it with
// a clock of their own.
class SchedulerTimer {
public:
    virtual ~SchedulerTimer() = default;
    virtual bool isActive() const = 0;
    virtual void start() = 0; // (re)starts the wait from now
    virtual void stop() = 0;
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0; // restarts a running wait
    std::function<void()> onTimeout;
};

class QtSchedulerTimer : public SchedulerTimer {
public:
    explicit QtSchedulerTimer(int milliseconds);
    bool isActive() const override { return timer_.isActive(); }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    int interval() const override { return timer_.interval(); }
    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }

private:
    QTimer timer_;
};

// Compositions are expensive, so an edit only asks for one: the first request starts the
// wait and every request during the wait is absorbed into the single composition that
// follows. A composition made directly elsewhere leaves a pending one in place.
class RedrawScheduler {
public:
    static constexpr int kNormalWait = 400;
    static constexpr int kTypingWait = 2000;

    RedrawScheduler(std::unique_ptr<SchedulerTimer> timer, std::function<void()> compose);

    // Enables the timer; an enabled timer keeps its wait.
    void request();
    // Disables the timer; a pending composition is dropped.
    void cancel();
    // Stops and starts again: a pending or new composition follows a full wait from now.
    void restart();
    // A new wait length; a running wait starts again with it. Setting the length it
    // already has changes nothing.
    void setInterval(int milliseconds);

    bool isPending() const { return timer_->isActive(); }
    int interval() const { return timer_->interval(); }

private:
    void expired();

    std::unique_ptr<SchedulerTimer> timer_;
    std::function<void()> compose_;
};

} // namespace veltmoor
