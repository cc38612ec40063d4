#include "ui/toolkit/UiEvent.h"

namespace kb {

QString uiEventName(int id) {
  switch (id) {
    case kEvtCommand: return QStringLiteral("on_command");
    case kEvtTabSelChanged: return QStringLiteral("on_tab_sel_changed");
    case kEvtTabItemHover: return QStringLiteral("on_tab_item_hover");
    case kEvtTabItemLeave: return QStringLiteral("on_tab_item_leave");
    case kEvtRichEditNotify: return QStringLiteral("on_richedit_notify");
    case kEvtSliderPos: return QStringLiteral("on_slider_pos");
    case kEvtComboSelChange: return QStringLiteral("on_cb_sel_change");
    case kEvtStateChanged: return QStringLiteral("on_state_changed");
    case kEvtKeyEnter: return QStringLiteral("on_key_enter");
    default: return {};
  }
}

}  // namespace kb
