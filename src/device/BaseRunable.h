#pragma once

#include <cstdint>
#include <memory>

namespace kb {

// A task of a SimpleThread runner. Created by whoever queues it; the runner
// owns and destroys it. As a timer task it fires every `period` ms and hands
// the task that makeTask() builds to the runner's queue; as a queued task its
// run() does the work on the queue thread.
class BaseRunable {
public:
    BaseRunable() = default;
    BaseRunable(const BaseRunable&) = delete;
    BaseRunable& operator=(const BaseRunable&) = delete;
    // Releases payload with std::free.
    virtual ~BaseRunable();

    // Queue thread: the task runs only when this answers true; it is destroyed
    // either way.
    virtual bool isReady();
    // Timer thread, under the runner's task lock: called when the task is due;
    // the task returned (none is allowed) is appended to the queue.
    virtual std::unique_ptr<BaseRunable> makeTask();
    // Queue thread: the work.
    virtual void run(std::uint32_t wordB, std::uint32_t wordC, void* payload, std::uint32_t wordA) = 0;

    void* payload = nullptr; // a block from std::malloc, or none
    std::uint32_t wordA = 0;
    std::uint32_t wordB = 0;
    std::uint32_t wordC = 0;
    std::uint32_t period = 0;    // timer tasks: ms between firings
    std::int32_t repeat = 0;     // timer tasks: firings left; -1 forever; 0 and 1 fire once
    std::uint32_t exclusive = 0; // timer tasks: non-zero ends the timer pass after this task
    std::uint32_t startTick = 0; // timer tasks: tick when the current period began; 0 = not begun
};

} // namespace kb
