#include "app/ui/RedrawScheduler.h"
#include "support/widgets/ManualTimer.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltmoor {
namespace {

using testing::ManualTimer;

struct SchedulerHarness {
    int now = 0;
    ManualTimer* timer = nullptr;
    std::vector<int> compositions; // the clock at each composition
    RedrawScheduler scheduler{makeTimer(), [this] { compositions.push_back(now); }};

    std::unique_ptr<SchedulerTimer> makeTimer() {
        auto owned = std::make_unique<ManualTimer>(now);
        timer = owned.get();
        return owned;
    }
    void at(int time) { timer->advanceTo(time); }
};

TEST(RedrawSchedulerTest, ABurstOfRequestsCostsOneCompositionAfterTheFirst) {
    SchedulerHarness h;
    h.scheduler.request();
    h.at(100);
    h.scheduler.request();
    h.at(200);
    h.scheduler.request();
    h.at(399);
    EXPECT_TRUE(h.compositions.empty());
    h.at(2000);
    // 400 ms after the first request, not after the last.
    EXPECT_EQ(h.compositions, std::vector<int>{400});
    EXPECT_FALSE(h.scheduler.isPending());
}

TEST(RedrawSchedulerTest, ARequestAfterACompositionStartsANewWait) {
    SchedulerHarness h;
    h.scheduler.request();
    h.at(500);
    h.scheduler.request();
    h.at(1500);
    EXPECT_EQ(h.compositions, (std::vector<int>{400, 900}));
}

TEST(RedrawSchedulerTest, TheMemoWaitRestartsARunningWaitOnlyWhenItChanges) {
    SchedulerHarness h;
    h.scheduler.request();
    h.at(300);
    h.scheduler.setInterval(RedrawScheduler::kTypingWait); // entering the memo
    h.at(2299);
    EXPECT_TRUE(h.compositions.empty());
    h.at(2300);
    EXPECT_EQ(h.compositions, std::vector<int>{2300});

    h.scheduler.request();
    h.at(3000);
    // The same wait again is no change and does not push the composition back.
    h.scheduler.setInterval(RedrawScheduler::kTypingWait);
    h.at(4300);
    EXPECT_EQ(h.compositions, (std::vector<int>{2300, 4300}));

    // Leaving the memo while a composition is pending: a fresh 400 ms from then.
    h.scheduler.request();
    h.at(5000);
    h.scheduler.setInterval(RedrawScheduler::kNormalWait);
    h.at(6000);
    EXPECT_EQ(h.compositions, (std::vector<int>{2300, 4300, 5400}));
}

TEST(RedrawSchedulerTest, RestartAndCancel) {
    SchedulerHarness h;
    h.scheduler.request();
    h.at(300);
    h.scheduler.restart(); // a slot shown anew: one full wait from now
    h.at(699);
    EXPECT_TRUE(h.compositions.empty());
    h.at(700);
    EXPECT_EQ(h.compositions, std::vector<int>{700});

    h.scheduler.request();
    h.at(800);
    h.scheduler.cancel();
    h.at(5000);
    EXPECT_EQ(h.compositions, std::vector<int>{700});
}

TEST(RedrawSchedulerTest, RestartWhenIdleSchedulesOneComposition) {
    SchedulerHarness h;
    h.scheduler.restart();
    h.at(1000);
    EXPECT_EQ(h.compositions, std::vector<int>{400});
}

} // namespace
} // namespace veltmoor
