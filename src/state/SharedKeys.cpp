#include "state/SharedKeys.h"

namespace kb {

SharedKeys::SharedKeys(bool keepOwn)
    : recordEnable(kRecordEnable, 0, keepOwn),
      factoryReset(kFactoryReset, 0, keepOwn),
      notifyMask(kNotifyMask, 0, keepOwn),
      selectingKeys(kSelectingKeys, keepOwn, 1),
      modeAttr(kModeAttr, keepOwn, 0),
      profileIndex(kProfileIndex, keepOwn, 0),
      ledSelection(kLedSelection, keepOwn) {}

}  // namespace kb
