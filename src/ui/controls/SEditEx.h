#pragma once

#include <QLineEdit>

namespace kb {

// A single-line edit that reports the Enter key as its own event (keyEnter, routed as
// the toolkit event "on_key_enter" 10000500) instead of handing it to the edit, and that
// enables itself when it is clicked while disabled. Tag "editex"; answers to "edit".
class SEditEx : public QLineEdit {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "editex")

 public:
  explicit SEditEx(QWidget* parent = nullptr);

 signals:
  void keyEnter();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kb
