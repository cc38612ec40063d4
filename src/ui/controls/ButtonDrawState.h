#pragma once

class QAbstractButton;

namespace kb {

// The eight-state index of check and radio controls: 0 normal, 1 hover, 2 pushed,
// 3 disabled, and 4 to 7 the same four when checked. `hovered` is tracked by the control.
int checkControlDrawState(const QAbstractButton& button, bool hovered);

// The state of a check skin of `states` states for a radio box: disabled (itself or a
// parent) 3/2/1/0 for 4+/3/2/1 states, else checked 2/1/0 for 3+/2/1, else hovered 1/0.
int radioCheckSkinState(const QAbstractButton& button, bool hovered, int states);

}  // namespace kb
