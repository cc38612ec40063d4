#include "ui/toolkit/EventRouter.h"

#include "ui/toolkit/WidgetIds.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaMethod>
#include <QSlider>
#include <QTabWidget>
#include <QVariant>

#include <algorithm>

namespace kb {

namespace {

constexpr char kAttachedProperty[] = "kbEventsAttached";

bool hasSignal(const QObject* object, const char* signature) {
  return object->metaObject()->indexOfSignal(QMetaObject::normalizedSignature(signature).constData()) >= 0;
}

}  // namespace

EventRouter::EventRouter(QObject* parent) : QObject(parent) {}

void EventRouter::attach(QWidget* root) {
  attachOne(root);
  for (QWidget* w : root->findChildren<QWidget*>()) attachOne(w);
}

void EventRouter::attachOne(QWidget* w) {
  if (w->property(kAttachedProperty).toBool()) return;
  w->setProperty(kAttachedProperty, true);
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    connect(button, &QAbstractButton::clicked, this, [this, button] { fire(button, kEvtCommand); });
    connect(button, &QAbstractButton::toggled, this, [this, button](bool on) {
      fire(button, kEvtStateChanged, on ? kStateChecked : 0, on ? 0 : kStateChecked);
    });
  } else if (auto* slider = qobject_cast<QSlider*>(w)) {
    connect(slider, &QSlider::valueChanged, this, [this, slider](int v) { fire(slider, kEvtSliderPos, v); });
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setProperty("kbPreviousIndex", combo->currentIndex());
    connect(combo, &QComboBox::currentIndexChanged, this, [this, combo](int index) {
      const int previous = combo->property("kbPreviousIndex").toInt();
      combo->setProperty("kbPreviousIndex", index);
      fire(combo, kEvtComboSelChange, index, previous);
    });
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { fire(edit, kEvtRichEditNotify, kEnChange); });
  } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    tabs->setProperty("kbPreviousIndex", tabs->currentIndex());
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs](int index) {
      const int previous = tabs->property("kbPreviousIndex").toInt();
      tabs->setProperty("kbPreviousIndex", index);
      fire(tabs, kEvtTabSelChanged, index, previous);
    });
  }
  // The controls' own events, found by signal signature so that this layer needs no
  // knowledge of the control classes.
  if (hasSignal(w, "keyEnter()")) {
    connect(w, SIGNAL(keyEnter()), this, SLOT(onKeyEnter()));
  }
  if (hasSignal(w, "itemHovered(int)")) {
    connect(w, SIGNAL(itemHovered(int)), this, SLOT(onItemHovered(int)));
    connect(w, SIGNAL(itemLeft(int)), this, SLOT(onItemLeft(int)));
  }
}

void EventRouter::onKeyEnter() { fire(sender(), kEvtKeyEnter); }
void EventRouter::onItemHovered(int index) { fire(sender(), kEvtTabItemHover, index); }
void EventRouter::onItemLeft(int index) { fire(sender(), kEvtTabItemLeave, index); }

void EventRouter::subscribe(const QObject* sender, int eventId, Handler handler) {
  // A sender's subscriptions end with it, once per sender.
  const bool watched = std::any_of(subscriptions_.begin(), subscriptions_.end(),
                                   [sender](const Subscription& s) { return s.sender == sender; });
  if (sender && !watched) {
    connect(sender, &QObject::destroyed, this, [this, sender] { unsubscribeAll(sender); });
  }
  subscriptions_.push_back({sender, eventId, std::move(handler)});
}

void EventRouter::unsubscribeAll(const QObject* sender) {
  if (sender) disconnect(sender, &QObject::destroyed, this, nullptr);
  std::erase_if(subscriptions_, [sender](const Subscription& s) { return s.sender == sender; });
}

bool EventRouter::fire(UiEvent& event) {
  // Handlers may subscribe while an event is handed out: walk a copy.
  const std::vector<Subscription> current = subscriptions_;
  for (const Subscription& s : current) {
    if (s.sender != event.sender.data() || s.eventId != event.id) continue;
    s.handler(event);
    if (event.handled) return true;
  }
  if (event.bubbleUp && host_) host_(event);
  return event.handled;
}

bool EventRouter::fire(QObject* sender, int eventId, int value, int oldValue) {
  UiEvent event;
  event.id = eventId;
  event.sender = sender;
  event.senderId = widgetId(sender);
  event.senderName = sender ? sender->objectName() : QString();
  event.value = value;
  event.oldValue = oldValue;
  return fire(event);
}

}  // namespace kb
