#include "device/Event.h"

namespace kb {

Event::Event(Reset reset, bool initiallySet) : reset_(reset), set_(initiallySet) {}

void Event::set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    if (reset_ == Reset::Manual) {
        changed_.notify_all();
    } else {
        changed_.notify_one();
    }
}

void Event::reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool Event::isSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

bool Event::consume()
{
    if (!set_) return false;
    if (reset_ == Reset::Auto) set_ = false;
    return true;
}

void Event::wait()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return set_; });
    consume();
}

bool Event::waitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [this] { return set_; });
    return consume();
}

} // namespace kb
