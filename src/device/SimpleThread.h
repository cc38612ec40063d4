#pragma once

#include "device/BaseRunable.h"
#include "device/Event.h"

#include <atomic>
#include <cstddef>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace kb {

// A small task runner of two threads: a timer thread that fires periodic
// tasks, and a queue thread that runs queued tasks one at a time and calls an
// idle step after every pass.
class SimpleThread {
public:
    // A callback into the runner's owner.
    template <typename Runner>
    class ICallback {
    public:
        virtual ~ICallback() = default;
        virtual void invoke(Runner& runner, void* owner) = 0;
    };

    // Forwards invoke() to a member function of an object.
    template <typename Runner, typename Owner>
    class Callback final : public ICallback<Runner> {
    public:
        using Method = void (Owner::*)(Runner& runner, void* owner);

        Callback(Owner* object, Method method) : object_(object), method_(method) {}
        void invoke(Runner& runner, void* owner) override { (object_->*method_)(runner, owner); }

    private:
        Owner* object_;
        Method method_;
    };

    SimpleThread() = default;
    SimpleThread(const SimpleThread&) = delete;
    SimpleThread& operator=(const SimpleThread&) = delete;
    // Stops the runner first. Must not run on one of the runner's own threads.
    ~SimpleThread();

    // Creates whichever of the two threads is not running and hands `owner`
    // to every callback. Returns true when creating a thread failed (the other
    // one still runs); calling it while both threads run does nothing. On one
    // of the runner's own threads it creates nothing and reports failure
    // unless both threads run.
    bool start(void* owner);

    // Ends both threads and waits for them, then destroys every task left.
    // Called on one of the runner's own threads (from a callback or a task) it
    // only asks the threads to end; the next stop(), start() or the destructor
    // on another thread waits for them.
    void stop();

    // Destroys every timer and queued task.
    void clear();

    // The runner owns the tasks given to it.
    void addTimer(std::unique_ptr<BaseRunable> task);
    void addTask(std::unique_ptr<BaseRunable> task);
    std::size_t timerCount() const;
    std::size_t queuedCount() const;

    // Installs the idle step (after every queue-thread pass; without one the
    // queue thread sleeps 1 ms), the start step and the exit step of the queue
    // thread. A null method removes the callback.
    template <typename Owner>
    void setIdleCallback(Owner* object, typename Callback<SimpleThread, Owner>::Method method)
    {
        replaceCallback(onIdle_, makeCallback(object, method));
    }
    template <typename Owner>
    void setStartCallback(Owner* object, typename Callback<SimpleThread, Owner>::Method method)
    {
        replaceCallback(onStart_, makeCallback(object, method));
    }
    template <typename Owner>
    void setExitCallback(Owner* object, typename Callback<SimpleThread, Owner>::Method method)
    {
        replaceCallback(onExit_, makeCallback(object, method));
    }

    // Set by stop(), cleared when the queue thread starts; idle steps may wait
    // on it to sleep until the runner stops.
    Event& stopEvent() { return stopEvent_; }

    bool isRunning() const;

private:
    // Shared so that a callback replaced while the queue thread invokes it
    // lives until that invocation returns.
    using CallbackPtr = std::shared_ptr<ICallback<SimpleThread>>;

    template <typename Owner>
    static CallbackPtr makeCallback(Owner* object, typename Callback<SimpleThread, Owner>::Method method)
    {
        if (!method) return nullptr;
        return std::make_shared<Callback<SimpleThread, Owner>>(object, method);
    }

    void replaceCallback(CallbackPtr& slot, CallbackPtr callback);
    void invoke(const CallbackPtr& slot);
    void timerLoop();
    void timerPass();
    void queueLoop();
    bool onOwnThread() const;
    // Joins a thread whose loop was told to end by a stop() on its own thread.
    static void joinStopped(std::thread& thread, const std::atomic<bool>& running);

    std::atomic<void*> owner_{nullptr};
    mutable std::recursive_mutex taskLock_;
    std::mutex controlLock_; // serialises start() and stop()
    std::atomic<bool> queueRunning_{false};
    std::thread queueThread_;
    CallbackPtr onIdle_;
    CallbackPtr onStart_;
    CallbackPtr onExit_;
    std::deque<std::unique_ptr<BaseRunable>> queue_;
    Event stopEvent_{Event::Reset::Manual, false};
    std::atomic<bool> timerRunning_{false};
    std::thread timerThread_;
    std::list<std::unique_ptr<BaseRunable>> timers_;
};

} // namespace kb
