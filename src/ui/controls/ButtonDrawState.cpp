#include "ui/controls/ButtonDrawState.h"

#include <QAbstractButton>

namespace kb {

int checkControlDrawState(const QAbstractButton& button, bool hovered) {
  int state = 0;
  if (!button.isEnabled()) state = 3;
  else if (button.isDown()) state = 2;
  else if (hovered) state = 1;
  return button.isChecked() ? state + 4 : state;
}

int radioCheckSkinState(const QAbstractButton& button, bool hovered, int states) {
  if (!button.isEnabled()) return states >= 4 ? 3 : states == 3 ? 2 : states == 2 ? 1 : 0;
  if (button.isChecked()) return states >= 3 ? 2 : states == 2 ? 1 : 0;
  if (hovered) return states >= 2 ? 1 : 0;
  return 0;
}

}  // namespace kb
