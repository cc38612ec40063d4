#pragma once

#include <QApplication>

namespace kb::test {

// The one QApplication of a test binary (run with QT_QPA_PLATFORM=offscreen).
inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "kbconf-test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing it down among the other statics at exit is not safe.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace kb::test
