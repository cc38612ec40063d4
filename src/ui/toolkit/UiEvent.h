#pragma once

#include <QPointer>
#include <QString>

class QObject;

namespace kb {

// Event ids of the toolkit's events.
enum UiEventId : int {
  kEvtCommand = 10000,           // a click on a button, radio, check box or row
  kEvtTabSelChanged = 11001,     // value: the new page, oldValue: the previous one
  kEvtTabItemHover = 11002,      // value: the tab item under the mouse
  kEvtTabItemLeave = 11003,      // value: the tab item the mouse left
  kEvtRichEditNotify = 15000,    // value: the notification code (kEnChange)
  kEvtSliderPos = 17000,         // value: the slider position
  kEvtComboSelChange = 19000,    // value: the new entry, oldValue: the previous one
  kEvtStateChanged = 8106,       // value: the new state, oldValue: the old (kStateChecked bit)
  kEvtKeyEnter = 10000500,       // Enter pressed in an "editex"
};

// Notification code of a changed edit text.
constexpr int kEnChange = 0x300;
// State bit of a checked control in kEvtStateChanged.
constexpr int kStateChecked = 4;

// One event as the controllers receive it. A handler that takes the event sets
// `handled`; clearing `bubbleUp` keeps it from the host window's own handling.
struct UiEvent {
  int id = 0;
  QPointer<QObject> sender;
  int senderId = 0;
  QString senderName;
  int value = 0;
  int oldValue = 0;
  bool handled = false;
  bool bubbleUp = true;
};

// The name an event id answers to ("on_key_enter", "on_tab_item_hover", ...), or empty.
QString uiEventName(int id);

}  // namespace kb
