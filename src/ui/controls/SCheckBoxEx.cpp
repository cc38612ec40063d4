#include "ui/controls/SCheckBoxEx.h"

#include "ui/controls/ButtonDrawState.h"
#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/UiResources.h"

#include <QPainter>
#include <QStyle>

namespace kb {

SCheckBoxEx::SCheckBoxEx(QWidget* parent) : QCheckBox(parent) { setAttribute(Qt::WA_Hover); }

void SCheckBoxEx::setSkinName(const QString& name) {
  skinName_ = name;
  setCheckSkin(skinNamed(name));
}

void SCheckBoxEx::setIconSkinName(const QString& name) {
  iconSkinName_ = name;
  setIconSkin(skinNamed(name));
}

QString SCheckBoxEx::iconPosText() const { return QStringLiteral("%1,%2").arg(iconOffset_.x()).arg(iconOffset_.y()); }

void SCheckBoxEx::setIconPosText(const QString& text) {
  if (const auto p = parsePointAttribute(text)) iconOffset_ = *p;
  update();
}

void SCheckBoxEx::setTextXText(const QString& text) {
  textOffset_.setX(parseIntAttribute(text));
  update();
}

void SCheckBoxEx::setTextYText(const QString& text) {
  textOffset_.setY(parseIntAttribute(text));
  update();
}

int SCheckBoxEx::checkSkinState() const {
  if (checkSkin_.isNull()) return -1;
  if (isDown()) return 2;
  if (hovered_) return 1;
  return isChecked() ? checkSkin_.states() - 1 : 0;
}

int SCheckBoxEx::iconState() const { return checkSkin_.isNull() ? -1 : checkControlDrawState(*this, hovered_); }

QRect SCheckBoxEx::iconRect() const {
  if (iconSkin_.isNull()) return {};
  return QRect(contentsRect().topLeft() + iconOffset_, iconSkin_.size());
}

QRect SCheckBoxEx::textRect() const {
  QRect r = contentsRect();
  const int iconWidth = iconSkin_.isNull() ? 0 : iconSkin_.size().width();
  r.setLeft(r.left() + textOffset_.x() + iconOffset_.x() + iconWidth);
  r.setTop(r.top() + textOffset_.y() + iconOffset_.y());
  return r;
}

QSize SCheckBoxEx::sizeHint() const { return checkSkin_.isNull() ? QCheckBox::sizeHint() : checkSkin_.size(); }

void SCheckBoxEx::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!checkSkin_.isNull()) checkSkin_.draw(painter, contentsRect(), checkSkinState());
  // A skin given the state -1 (no check skin) draws its first state.
  if (!iconSkin_.isNull()) iconSkin_.draw(painter, iconRect(), std::max(0, iconState()));
  style()->drawItemText(&painter, textRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text(), QPalette::WindowText);
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
