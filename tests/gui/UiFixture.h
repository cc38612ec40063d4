#pragma once

#include "gui/QtTestApp.h"
#include "ui/controls/ControlRegistration.h"
#include "ui/toolkit/ControlRegistry.h"
#include "ui/toolkit/LayoutLoader.h"
#include "ui/toolkit/UiResources.h"

#include <QCoreApplication>

#include <memory>

namespace kb::test {

// The resource folder next to the test binary, installed for the controls, with the
// program's controls registered.
struct UiFixture {
  QApplication& app = qtApp();
  UiResources resources;
  ControlRegistry registry;
  bool loaded = false;

  UiFixture() {
    loaded = resources.load(QCoreApplication::applicationDirPath() + QStringLiteral("/uires"));
    UiResources::install(&resources);
    registerProgramControls(registry);
  }
  ~UiFixture() { UiResources::install(nullptr); }

  std::unique_ptr<QWidget> load(const QString& layout) {
    LayoutLoader loader(resources, registry);
    return std::unique_ptr<QWidget>(loader.loadLayout(layout));
  }
};

}  // namespace kb::test
