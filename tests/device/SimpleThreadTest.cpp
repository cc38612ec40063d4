#include "device/SimpleThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kb {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Polls until the condition holds; generous, since the machine may be busy.
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = 20s)
{
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// What the tasks of one test saw.
struct Probe {
    std::atomic<int> runs{0};
    std::atomic<int> destroyed{0};
    std::atomic<int> fired{0};
    std::atomic<int> timersDestroyed{0};
    std::mutex mutex;
    std::vector<Clock::time_point> fireTimes;
    std::vector<std::uint32_t> runArguments;
};

class WorkTask : public BaseRunable {
public:
    explicit WorkTask(Probe& probe, bool ready = true) : probe_(probe), ready_(ready) {}
    ~WorkTask() override { ++probe_.destroyed; }
    bool isReady() override { return ready_; }
    void run(std::uint32_t wordB, std::uint32_t wordC, void* payload, std::uint32_t wordA) override
    {
        std::lock_guard lock(probe_.mutex);
        probe_.runArguments = {wordB, wordC, payload ? *static_cast<std::uint32_t*>(payload) : 0u, wordA};
        ++probe_.runs;
    }

private:
    Probe& probe_;
    bool ready_;
};

class TimerTask : public BaseRunable {
public:
    TimerTask(Probe& probe, std::uint32_t periodMs, std::int32_t repeatCount, bool makesWork = true)
        : probe_(probe), makesWork_(makesWork)
    {
        period = periodMs;
        repeat = repeatCount;
    }
    ~TimerTask() override { ++probe_.timersDestroyed; }
    void run(std::uint32_t, std::uint32_t, void*, std::uint32_t) override {}
    std::unique_ptr<BaseRunable> makeTask() override
    {
        {
            std::lock_guard lock(probe_.mutex);
            probe_.fireTimes.push_back(Clock::now());
        }
        ++probe_.fired;
        return makesWork_ ? std::make_unique<WorkTask>(probe_) : nullptr;
    }

private:
    Probe& probe_;
    bool makesWork_;
};

// An owner whose callbacks count their calls and remember the owner pointer.
struct Owner {
    std::atomic<int> starts{0};
    std::atomic<int> exits{0};
    std::atomic<int> idles{0};
    std::atomic<int> otherIdles{0};
    std::atomic<void*> seenOwner{nullptr};
    Event inIdle;

    void onStart(SimpleThread&, void* owner) { seenOwner = owner; ++starts; }
    void onExit(SimpleThread&, void*) { ++exits; }
    void onIdle(SimpleThread&, void*) { ++idles; }
    void onOtherIdle(SimpleThread&, void*) { ++otherIdles; }
    void waitForStop(SimpleThread& runner, void*)
    {
        inIdle.set();
        runner.stopEvent().wait();
    }
    void stopFromInside(SimpleThread& runner, void*)
    {
        runner.stop();
        ++idles;
    }
};

TEST(SimpleThread, TimerWithRepeatThreeFiresThreeTimesAPeriodApartThenIsDestroyed)
{
    Probe probe;
    SimpleThread runner;
    runner.addTimer(std::make_unique<TimerTask>(probe, 100, 3));
    ASSERT_FALSE(runner.start(nullptr));

    ASSERT_TRUE(eventually([&] { return probe.timersDestroyed == 1; }));
    ASSERT_TRUE(eventually([&] { return probe.runs == 3; }));
    EXPECT_EQ(probe.fired, 3);
    EXPECT_EQ(runner.timerCount(), 0u);
    std::lock_guard lock(probe.mutex);
    for (std::size_t i = 1; i < probe.fireTimes.size(); ++i) {
        EXPECT_GE(probe.fireTimes[i] - probe.fireTimes[i - 1], 95ms) << "firing " << i;
    }
}

TEST(SimpleThread, RepeatCountsZeroAndOneFireOnceOthersCountDown)
{
    struct Case {
        std::int32_t repeat;
        int firings;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{2, 2}, Case{5, 5}}) {
        Probe probe;
        SimpleThread runner;
        runner.addTimer(std::make_unique<TimerTask>(probe, 0, c.repeat, false));
        runner.start(nullptr);
        ASSERT_TRUE(eventually([&] { return probe.timersDestroyed == 1; })) << c.repeat;
        EXPECT_EQ(probe.fired, c.firings) << c.repeat;
    }
}

TEST(SimpleThread, TimerWithRepeatMinusOneFiresUntilStop)
{
    Probe probe;
    SimpleThread runner;
    runner.addTimer(std::make_unique<TimerTask>(probe, 2, -1));
    runner.start(nullptr);
    ASSERT_TRUE(eventually([&] { return probe.runs >= 5; }));
    EXPECT_EQ(probe.timersDestroyed, 0);

    runner.stop();
    EXPECT_EQ(probe.timersDestroyed, 1);
    EXPECT_EQ(runner.timerCount(), 0u);
    EXPECT_EQ(runner.queuedCount(), 0u);
    const int firedAtStop = probe.fired;
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(probe.fired, firedAtStop);
}

TEST(SimpleThread, ExclusiveDueTimerKeepsLaterTimersFromBeingVisited)
{
    for (const bool exclusive : {true, false}) {
        Probe first;
        Probe second;
        SimpleThread runner;
        auto blocking = std::make_unique<TimerTask>(first, 0, -1, false);
        blocking->exclusive = exclusive ? 1 : 0;
        runner.addTimer(std::move(blocking));
        runner.addTimer(std::make_unique<TimerTask>(second, 0, -1, false));
        runner.start(nullptr);
        ASSERT_TRUE(eventually([&] { return first.fired >= 20; }));
        runner.stop();
        if (exclusive) {
            EXPECT_EQ(second.fired, 0);
        } else {
            EXPECT_GT(second.fired, 0);
        }
    }
}

TEST(SimpleThread, StopOnANeverStartedRunnerReturnsAndDestroysItsTasks)
{
    Probe probe;
    SimpleThread runner;
    runner.addTask(std::make_unique<WorkTask>(probe));
    runner.addTimer(std::make_unique<TimerTask>(probe, 10, 1));
    runner.stop();
    EXPECT_EQ(probe.destroyed, 1);
    EXPECT_EQ(probe.timersDestroyed, 1);
    EXPECT_EQ(probe.runs, 0);
    EXPECT_FALSE(runner.isRunning());
}

TEST(SimpleThread, QueuedTasksNotYetRunAreDestroyedWithoutRunningOnStop)
{
    Probe probe;
    Owner owner;
    SimpleThread runner;
    runner.setIdleCallback(&owner, &Owner::waitForStop);
    runner.start(&owner);
    owner.inIdle.wait(); // the queue thread now sleeps until stop
    for (int i = 0; i < 3; ++i) runner.addTask(std::make_unique<WorkTask>(probe));

    runner.stop();
    EXPECT_EQ(probe.runs, 0);
    EXPECT_EQ(probe.destroyed, 3);
}

TEST(SimpleThread, QueuedTaskRunsWithItsWordsOnlyWhenReady)
{
    Probe probe;
    SimpleThread runner;
    auto task = std::make_unique<WorkTask>(probe);
    task->wordA = 1;
    task->wordB = 2;
    task->wordC = 3;
    task->payload = std::malloc(sizeof(std::uint32_t));
    *static_cast<std::uint32_t*>(task->payload) = 4;
    runner.addTask(std::make_unique<WorkTask>(probe, false));
    runner.addTask(std::move(task));
    runner.start(nullptr);

    ASSERT_TRUE(eventually([&] { return probe.destroyed == 2; }));
    EXPECT_EQ(probe.runs, 1);
    std::lock_guard lock(probe.mutex);
    EXPECT_EQ(probe.runArguments, (std::vector<std::uint32_t>{2, 3, 4, 1}));
}

TEST(SimpleThread, RestartsAfterStopWithCallbacksAndAFreshStopEvent)
{
    Probe probe;
    Owner owner;
    SimpleThread runner;
    runner.setStartCallback(&owner, &Owner::onStart);
    runner.setExitCallback(&owner, &Owner::onExit);
    runner.setIdleCallback(&owner, &Owner::onIdle);

    for (int round = 1; round <= 2; ++round) {
        EXPECT_FALSE(runner.start(&owner));
        EXPECT_FALSE(runner.start(&owner)); // already running: nothing happens
        EXPECT_FALSE(runner.stopEvent().isSet());
        runner.addTask(std::make_unique<WorkTask>(probe));
        ASSERT_TRUE(eventually([&] { return probe.runs == round; }));
        runner.stop();
        EXPECT_TRUE(runner.stopEvent().isSet());
        EXPECT_EQ(owner.starts, round);
        EXPECT_EQ(owner.exits, round);
    }
    EXPECT_EQ(owner.seenOwner, &owner);
    EXPECT_GT(owner.idles, 0);
}

TEST(SimpleThread, IdleCallbackCanBeReplacedAndRemovedWhileRunning)
{
    Owner owner;
    SimpleThread runner;
    runner.setIdleCallback(&owner, &Owner::onIdle);
    runner.start(&owner);
    for (int i = 0; i < 200; ++i) {
        runner.setIdleCallback(&owner, (i % 2) ? &Owner::onIdle : &Owner::onOtherIdle);
    }
    runner.setIdleCallback(&owner, &Owner::onOtherIdle);
    const int before = owner.otherIdles;
    ASSERT_TRUE(eventually([&] { return owner.otherIdles > before; }));

    runner.setIdleCallback<Owner>(&owner, nullptr);
    const int idlesAfterRemoval = owner.idles + owner.otherIdles + 1; // one call may be under way
    std::this_thread::sleep_for(20ms);
    EXPECT_LE(owner.idles + owner.otherIdles, idlesAfterRemoval);
}

TEST(SimpleThread, StopFromTheRunnersOwnThreadEndsItWithoutDeadlock)
{
    Owner owner;
    SimpleThread runner;
    runner.setIdleCallback(&owner, &Owner::stopFromInside);
    runner.start(&owner);
    ASSERT_TRUE(eventually([&] { return !runner.isRunning(); }));
    EXPECT_EQ(owner.idles, 1);
    runner.stop(); // waits for the threads that already ended their loops

    runner.setIdleCallback(&owner, &Owner::onIdle);
    EXPECT_FALSE(runner.start(&owner));
    ASSERT_TRUE(eventually([&] { return owner.idles > 1; }));
}

TEST(Event, ManualResetReleasesEveryWaiterAutoResetOne)
{
    Event manual(Event::Reset::Manual);
    EXPECT_FALSE(manual.waitFor(1ms));
    std::vector<std::thread> waiters;
    std::atomic<int> released{0};
    for (int i = 0; i < 3; ++i) waiters.emplace_back([&] { manual.wait(); ++released; });
    manual.set();
    for (auto& t : waiters) t.join();
    EXPECT_EQ(released, 3);
    EXPECT_TRUE(manual.isSet());

    Event automatic(Event::Reset::Auto, true);
    EXPECT_TRUE(automatic.waitFor(1ms));
    EXPECT_FALSE(automatic.isSet());
    EXPECT_FALSE(automatic.waitFor(1ms));
}

} // namespace
} // namespace kb
