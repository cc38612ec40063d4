#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kb {

// A signal that threads wait on. A manual-reset event stays set until reset()
// and releases every waiter; an auto-reset event releases one waiter and
// clears itself.
class Event {
public:
    enum class Reset { Manual, Auto };

    explicit Event(Reset reset = Reset::Manual, bool initiallySet = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void set();
    void reset();
    bool isSet() const;

    // Waits without time limit.
    void wait();
    // Waits at most timeout; returns whether the event was (and, for an
    // auto-reset event, is now consumed) set.
    bool waitFor(std::chrono::milliseconds timeout);

private:
    bool consume();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    const Reset reset_;
    bool set_;
};

} // namespace kb
