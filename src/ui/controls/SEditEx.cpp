#include "ui/controls/SEditEx.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kb {

SEditEx::SEditEx(QWidget* parent) : QLineEdit(parent) {}

bool SEditEx::event(QEvent* e) {
  const bool leftClick = (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease) &&
                         static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
  // A click on the edit while it is disabled by its own flag enables it; that click
  // goes no further (it does not move the caret). Clicks on an enabled edit place the
  // caret as usual.
  if (leftClick && testAttribute(Qt::WA_ForceDisabled)) {
    setEnabled(true);
    return true;
  }
  return QLineEdit::event(e);
}

void SEditEx::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    emit keyEnter();
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

}  // namespace kb
