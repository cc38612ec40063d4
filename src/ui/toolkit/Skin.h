#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

namespace kb {

// A named image of one or more states (frames laid side by side, or stacked when
// vertical). Drawing a state stretches that frame over the target rectangle; with
// margins the frame is drawn as a nine-grid so that corners keep their size.
class Skin {
 public:
  Skin() = default;
  Skin(QPixmap image, int states, bool vertical = false, QMargins margins = {});

  bool isNull() const { return image_.isNull(); }
  int states() const { return states_; }
  // The size of one state (the skin's own size).
  QSize size() const;
  QRect stateRect(int state) const;
  const QPixmap& image() const { return image_; }

  // Draws `state` (clamped to the available states) over `target`.
  void draw(QPainter& painter, const QRect& target, int state) const;

 private:
  QPixmap image_;
  int states_ = 1;
  bool vertical_ = false;
  QMargins margins_;
};

}  // namespace kb
