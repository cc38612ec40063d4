#include "ui/toolkit/FrameTick.h"

#include <QWidget>

#include <algorithm>

namespace kb {

FrameTick::FrameTick(QObject* parent) : QObject(parent) {
  timer_.setInterval(kIntervalMs);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &FrameTick::tick);
}

FrameTick* FrameTick::of(QWidget* widget) {
  QWidget* top = widget;
  while (top->parentWidget()) top = top->parentWidget();
  if (auto* tick = top->findChild<FrameTick*>(QString(), Qt::FindDirectChildrenOnly)) return tick;
  return new FrameTick(top);
}

void FrameTick::add(ITimelineHandler* handler) {
  if (contains(handler)) return;
  handlers_.push_back(handler);
  if (!timer_.isActive()) timer_.start();
}

void FrameTick::remove(ITimelineHandler* handler) {
  std::erase(handlers_, handler);
  if (handlers_.empty()) timer_.stop();
}

bool FrameTick::contains(const ITimelineHandler* handler) const {
  return std::find(handlers_.begin(), handlers_.end(), handler) != handlers_.end();
}

void FrameTick::tick() {
  const std::vector<ITimelineHandler*> current = handlers_;
  for (ITimelineHandler* h : current) {
    if (contains(h)) h->onNextFrame();
  }
}

}  // namespace kb

namespace kb {

void FrameTickRegistration::attach(QWidget* widget) {
  detach();
  tick_ = FrameTick::of(widget);
  tick_->add(handler_);
}

void FrameTickRegistration::detach() {
  if (tick_) tick_->remove(handler_);
  tick_ = nullptr;
}

}  // namespace kb
