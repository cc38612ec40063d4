#pragma once

#include "ui/toolkit/UiEvent.h"

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace kb {

// Turns the Qt signals of a window's widgets into toolkit events and hands them out:
// first to the subscribers of that sender and event id (in subscription order, until one
// marks the event handled), then, while it still bubbles up, to the host's handler (which
// offers it to its controller first).
//
// Signals mapped: button clicked → kEvtCommand; checkable button toggled →
// kEvtStateChanged; slider valueChanged → kEvtSliderPos; combo box currentIndexChanged →
// kEvtComboSelChange; line edit textChanged → kEvtRichEditNotify with kEnChange; tab
// widget currentChanged → kEvtTabSelChanged; and the controls' own signals keyEnter()
// → kEvtKeyEnter, itemHovered(int) / itemLeft(int) → kEvtTabItemHover / kEvtTabItemLeave.
class EventRouter : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(UiEvent&)>;

  explicit EventRouter(QObject* parent = nullptr);

  // Connects every widget of the tree (root included); widgets already attached are skipped,
  // so rows created later are attached by calling this again.
  void attach(QWidget* root);
  void setHostHandler(Handler handler) { host_ = std::move(handler); }
  // A sender's subscriptions end when it is destroyed.
  void subscribe(const QObject* sender, int eventId, Handler handler);
  void unsubscribeAll(const QObject* sender);

  // Hands an event out as described above; returns whether it was handled.
  bool fire(UiEvent& event);
  // Builds and fires an event from a sender.
  bool fire(QObject* sender, int eventId, int value = 0, int oldValue = 0);

 private slots:
  void onKeyEnter();
  void onItemHovered(int index);
  void onItemLeft(int index);

 private:
  void attachOne(QWidget* widget);

  struct Subscription {
    const QObject* sender;
    int eventId;
    Handler handler;
  };
  std::vector<Subscription> subscriptions_;
  Handler host_;
};

}  // namespace kb
