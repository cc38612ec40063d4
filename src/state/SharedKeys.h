#pragma once

// SharedKeys: the seven named state values that the user interface and the keyboard logic both
// hold. Each side builds one record; values under the same key are peers.
//
//   SharedKeys keys(false);  // user interface: copy whatever peers already hold
//   SharedKeys keys(true);   // keyboard logic: keep the construction contents below
//
// Contents at construction: recordEnable, factoryReset, notifyMask one int 0; selectingKeys one
// cleared _reg_mode_t; modeAttr and profileIndex empty; ledSelection one empty vector.

#include "keyboard/KeyboardRecords.h"
#include "state/ShapeType.h"
#include "state/ShapeVector.h"
#include "ui/panel/CoordButtonInfo.h"

namespace kb {

struct SharedKeys {
  static constexpr const char* kRecordEnable = "record.Enable";
  static constexpr const char* kFactoryReset = "kb.factor.reset";
  static constexpr const char* kNotifyMask = "kb.notify.mask";
  static constexpr const char* kSelectingKeys = "custom.selecting.keys";
  static constexpr const char* kModeAttr = "custom.mode.attr";
  static constexpr const char* kProfileIndex = "kb.profile.index";
  static constexpr const char* kLedSelection = "custom.led.sel";

  explicit SharedKeys(bool keepOwn);

  ShapeType<int, -1, 1, 0> recordEnable;              // macro recording dialog open (1) or not
  ShapeType<int, -1, 1, 0> factoryReset;              // request word: restore factory settings
  ShapeType<int, -1, 1, 0> notifyMask;                // request word: clear the key masks
  ShapeType<_reg_mode_t, -1, 1, 0> selectingKeys;     // mode register of the selected profile/mode
  ShapeType<_mode_attr_t, -1, 1, 0> modeAttr;         // the modes; selected index = current mode
  ShapeType<_profile_attr_t, -1, 1, 0> profileIndex;  // the profiles; selected = active profile
  ShapeVector<CoordButtonInfo, -1> ledSelection;      // keys picked on the keyboard picture
};

}  // namespace kb
