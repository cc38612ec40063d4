#include "device/SimpleThread.h"

#include "device/TickCount.h"

#include <chrono>
#include <system_error>

namespace kb {

namespace {

constexpr auto kPassPause = std::chrono::milliseconds(1);

// The runner whose thread is the current one, if any.
thread_local const SimpleThread* currentRunner = nullptr;

// Starts a thread running `loop`, with `running` as its permission to keep
// looping. Returns false when the thread could not be created.
template <typename Loop>
bool launch(std::thread& thread, std::atomic<bool>& running, Loop loop)
{
    running = true;
    try {
        thread = std::thread(loop);
        return true;
    } catch (const std::system_error&) {
        running = false;
        return false;
    }
}

} // namespace

SimpleThread::~SimpleThread()
{
    stop();
}

bool SimpleThread::onOwnThread() const
{
    return currentRunner == this;
}

void SimpleThread::joinStopped(std::thread& thread, const std::atomic<bool>& running)
{
    if (thread.joinable() && !running) thread.join();
}

bool SimpleThread::start(void* owner)
{
    // A runner's own thread cannot wait for, or replace, the runner's threads.
    if (onOwnThread()) return !(timerRunning_ && queueRunning_);
    std::lock_guard control(controlLock_);
    joinStopped(timerThread_, timerRunning_);
    joinStopped(queueThread_, queueRunning_);
    bool failed = false;
    if (!timerThread_.joinable()) {
        owner_ = owner;
        failed = !launch(timerThread_, timerRunning_, [this] { timerLoop(); });
    }
    if (!queueThread_.joinable()) {
        stopEvent_.reset();
        owner_ = owner;
        // A failed timer thread is still reported when the queue thread starts.
        failed = !launch(queueThread_, queueRunning_, [this] { queueLoop(); }) || failed;
    }
    return failed;
}

void SimpleThread::stop()
{
    if (onOwnThread()) {
        timerRunning_ = false;
        queueRunning_ = false;
        stopEvent_.set();
        return;
    }
    std::lock_guard control(controlLock_);
    timerRunning_ = false;
    queueRunning_ = false;
    stopEvent_.set();
    if (timerThread_.joinable()) timerThread_.join();
    if (queueThread_.joinable()) queueThread_.join();
    clear();
}

void SimpleThread::clear()
{
    std::lock_guard lock(taskLock_);
    timers_.clear();
    queue_.clear();
}

void SimpleThread::addTimer(std::unique_ptr<BaseRunable> task)
{
    if (!task) return;
    std::lock_guard lock(taskLock_);
    timers_.push_back(std::move(task));
}

void SimpleThread::addTask(std::unique_ptr<BaseRunable> task)
{
    if (!task) return;
    std::lock_guard lock(taskLock_);
    queue_.push_back(std::move(task));
}

std::size_t SimpleThread::timerCount() const
{
    std::lock_guard lock(taskLock_);
    return timers_.size();
}

std::size_t SimpleThread::queuedCount() const
{
    std::lock_guard lock(taskLock_);
    return queue_.size();
}

bool SimpleThread::isRunning() const
{
    return timerRunning_ || queueRunning_;
}

void SimpleThread::replaceCallback(CallbackPtr& slot, CallbackPtr callback)
{
    std::lock_guard lock(taskLock_);
    slot = std::move(callback);
}

void SimpleThread::invoke(const CallbackPtr& slot)
{
    CallbackPtr callback;
    {
        std::lock_guard lock(taskLock_);
        callback = slot;
    }
    if (callback) callback->invoke(*this, owner_);
}

void SimpleThread::timerLoop()
{
    currentRunner = this;
    while (timerRunning_) {
        timerPass();
        std::this_thread::sleep_for(kPassPause);
    }
}

// One visit of every timer task, under the task lock.
void SimpleThread::timerPass()
{
    std::lock_guard lock(taskLock_);
    for (auto it = timers_.begin(); it != timers_.end();) {
        BaseRunable& task = **it;
        if (task.startTick == 0) task.startTick = tickCount();
        const bool exclusive = task.exclusive != 0;
        bool finished = false;
        if (tickCount() - task.startTick >= task.period) {
            task.startTick = 0;
            if (task.repeat != 0 && task.repeat != -1) --task.repeat;
            if (auto made = task.makeTask()) queue_.push_back(std::move(made));
            finished = task.repeat == 0;
        }
        it = finished ? timers_.erase(it) : std::next(it);
        if (exclusive) break;
    }
}

void SimpleThread::queueLoop()
{
    currentRunner = this;
    invoke(onStart_);
    while (queueRunning_) {
        std::unique_ptr<BaseRunable> task;
        bool idleStep = false;
        {
            std::lock_guard lock(taskLock_);
            if (!queue_.empty()) {
                task = std::move(queue_.front());
                queue_.pop_front();
            }
            idleStep = onIdle_ != nullptr;
        }
        if (task && task->isReady()) task->run(task->wordB, task->wordC, task->payload, task->wordA);
        task.reset();
        if (idleStep) {
            invoke(onIdle_);
        } else {
            std::this_thread::sleep_for(kPassPause);
        }
    }
    invoke(onExit_);
}

} // namespace kb
