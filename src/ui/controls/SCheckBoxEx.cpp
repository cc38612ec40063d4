#include "ui/controls/SCheckBoxEx.h"

#include "ui/controls/ButtonDrawState.h"

#include <QPainter>

#include <algorithm>

namespace kb {

SCheckBoxEx::SCheckBoxEx(QWidget* parent) : QCheckBox(parent) { setAttribute(Qt::WA_Hover); }

int SCheckBoxEx::checkSkinState() const {
  if (parts_.checkSkin.isNull()) return -1;
  if (isDown()) return 2;
  if (hovered_) return 1;
  return isChecked() ? parts_.checkSkin.states() - 1 : 0;
}

int SCheckBoxEx::iconState() const { return parts_.checkSkin.isNull() ? -1 : checkControlDrawState(*this, hovered_); }

QRect SCheckBoxEx::iconRect() const {
  if (parts_.iconSkin.isNull()) return {};
  return QRect(contentsRect().topLeft() + parts_.iconOffset, parts_.iconSkin.size());
}

QRect SCheckBoxEx::textRect() const {
  QRect r = contentsRect();
  r.setLeft(r.left() + parts_.textOffset.x() + parts_.iconOffset.x() + parts_.iconWidth());
  r.setTop(r.top() + parts_.textOffset.y() + parts_.iconOffset.y());
  return r;
}

QSize SCheckBoxEx::sizeHint() const { return parts_.checkSkin.isNull() ? QCheckBox::sizeHint() : parts_.checkSkin.size(); }

void SCheckBoxEx::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!parts_.checkSkin.isNull()) parts_.checkSkin.draw(painter, contentsRect(), checkSkinState());
  // A skin given the state -1 (no check skin) draws its first state.
  if (!parts_.iconSkin.isNull()) parts_.iconSkin.draw(painter, iconRect(), std::max(0, iconState()));
  IconTextParts::drawText(painter, *this, textRect());
}

void SCheckBoxEx::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QCheckBox::enterEvent(event);
}

void SCheckBoxEx::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QCheckBox::leaveEvent(event);
}

bool SCheckBoxEx::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace kb
