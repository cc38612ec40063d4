#include "ui/controls/ControlRegistration.h"

#include "ui/controls/SAnimImg.h"
#include "ui/controls/SCheckBoxEx.h"
#include "ui/controls/SEditEx.h"
#include "ui/controls/SRadioBoxEx.h"
#include "ui/controls/SShellNotifyIcon.h"
#include "ui/controls/STabCtrl2.h"
#include "ui/controls/STabPage2.h"
#include "ui/panel/CoordButtonImage.h"
#include "ui/panel/SSImage.h"
#include "ui/toolkit/ControlRegistry.h"

namespace kb {

void registerProgramControls(ControlRegistry& registry) {
  registry.add<SShellNotifyIcon>();
  registry.add<CoordButtonImage>();
  registry.add<STabPage2>();
  registry.add<STabCtrl2>();
  registry.add<SAnimImg>();
  registry.add<SEditEx>();
  registry.add<SSImage>();
  registry.add<SRadioBoxEx>();
  registry.add<SCheckBoxEx>();
}

}  // namespace kb
