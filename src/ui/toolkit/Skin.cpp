#include "ui/toolkit/Skin.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace kb {

Skin::Skin(QPixmap image, int states, bool vertical, QMargins margins)
    : image_(std::move(image)), states_(std::max(1, states)), vertical_(vertical), margins_(margins) {}

QSize Skin::size() const {
  if (image_.isNull()) return {};
  const QSize whole = image_.deviceIndependentSize().toSize();
  return vertical_ ? QSize(whole.width(), whole.height() / states_) : QSize(whole.width() / states_, whole.height());
}

QRect Skin::stateRect(int state) const {
  const int s = std::clamp(state, 0, states_ - 1);
  const QSize one = size();
  // Source rectangles are in device pixels of the image.
  const qreal dpr = image_.devicePixelRatio();
  const QSize px(qRound(one.width() * dpr), qRound(one.height() * dpr));
  return vertical_ ? QRect(QPoint(0, s * px.height()), px) : QRect(QPoint(s * px.width(), 0), px);
}

void Skin::draw(QPainter& painter, const QRect& target, int state) const {
  if (image_.isNull() || target.isEmpty()) return;
  const QRect src = stateRect(state);
  if (margins_.isNull()) {
    painter.drawPixmap(target, image_, src);
    return;
  }
  const QMargins m = margins_;
  const int xs[4] = {src.left(), src.left() + m.left(), src.right() + 1 - m.right(), src.right() + 1};
  const int ys[4] = {src.top(), src.top() + m.top(), src.bottom() + 1 - m.bottom(), src.bottom() + 1};
  const int xd[4] = {target.left(), target.left() + m.left(), target.right() + 1 - m.right(), target.right() + 1};
  const int yd[4] = {target.top(), target.top() + m.top(), target.bottom() + 1 - m.bottom(), target.bottom() + 1};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRect s(QPoint(xs[col], ys[row]), QPoint(xs[col + 1] - 1, ys[row + 1] - 1));
      const QRect d(QPoint(xd[col], yd[row]), QPoint(xd[col + 1] - 1, yd[row + 1] - 1));
      if (!s.isEmpty() && !d.isEmpty()) painter.drawPixmap(d, image_, s);
    }
  }
}

}  // namespace kb
