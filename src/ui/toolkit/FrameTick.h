#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

class QWidget;

namespace kb {

// A handler of the frame tick (the animated controls).
class ITimelineHandler {
 public:
  virtual ~ITimelineHandler() = default;
  virtual void onNextFrame() = 0;
};

// The 10 ms frame tick of one host window: it calls every registered handler in
// registration order. The timer runs while at least one handler is registered.
class FrameTick : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIntervalMs = 10;

  explicit FrameTick(QObject* parent = nullptr);

  // The tick of the window that holds `widget` (created on first use, owned by the
  // outermost ancestor of the widget).
  static FrameTick* of(QWidget* widget);

  void add(ITimelineHandler* handler);
  void remove(ITimelineHandler* handler);
  bool contains(const ITimelineHandler* handler) const;
  bool isRunning() const { return timer_.isActive(); }

  // One tick: calls the handlers registered at its start that are still registered.
  void tick();

 private:
  std::vector<ITimelineHandler*> handlers_;
  QTimer timer_;
};

}  // namespace kb

#include <QPointer>

namespace kb {

// A control's registration with its window's frame tick: removed again when the control
// goes, also when the tick went first.
class FrameTickRegistration {
 public:
  explicit FrameTickRegistration(ITimelineHandler* handler) : handler_(handler) {}
  ~FrameTickRegistration() { detach(); }
  FrameTickRegistration(const FrameTickRegistration&) = delete;
  FrameTickRegistration& operator=(const FrameTickRegistration&) = delete;

  void attach(QWidget* widget);
  void detach();
  FrameTick* tick() const { return tick_; }

 private:
  ITimelineHandler* handler_;
  QPointer<FrameTick> tick_;
};

}  // namespace kb
