#include "ui/controls/SRadioBoxEx.h"

#include "ui/controls/ButtonDrawState.h"
#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/UiResources.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

namespace kb {

SRadioBoxEx::SRadioBoxEx(QWidget* parent) : QRadioButton(parent) { setAttribute(Qt::WA_Hover); }

void SRadioBoxEx::setSkinName(const QString& name) {
  skinName_ = name;
  setCheckSkin(skinNamed(name));
}

void SRadioBoxEx::setIconSkinName(const QString& name) {
  iconSkinName_ = name;
  setIconSkin(skinNamed(name));
}

QString SRadioBoxEx::iconPosText() const { return QStringLiteral("%1,%2").arg(iconOffset_.x()).arg(iconOffset_.y()); }

void SRadioBoxEx::setIconPosText(const QString& text) {
  if (const auto p = parsePointAttribute(text)) iconOffset_ = *p;
  update();
}

void SRadioBoxEx::setTextXText(const QString& text) {
  textOffset_.setX(parseIntAttribute(text));
  update();
}

void SRadioBoxEx::setTextYText(const QString& text) {
  textOffset_.setY(parseIntAttribute(text));
  update();
}

QString SRadioBoxEx::gravityText() const {
  return gravity_ == kGravityCenter ? QStringLiteral("center") : gravity_ == kGravityEnd ? QStringLiteral("right")
                                                                                          : QStringLiteral("left");
}

bool SRadioBoxEx::setGravity(const QString& text) {
  if (text == QLatin1String("left") || text == QLatin1String("top")) gravity_ = kGravityStart;
  else if (text == QLatin1String("center")) gravity_ = kGravityCenter;
  else if (text == QLatin1String("right") || text == QLatin1String("bottom")) gravity_ = kGravityEnd;
  else return false;
  update();
  return true;
}

int SRadioBoxEx::checkSkinState() const {
  if (checkSkin_.isNull()) return -1;
  return radioCheckSkinState(*this, hovered_, checkSkin_.states());
}

QRect SRadioBoxEx::checkMarkRect() const {
  const QRect client = contentsRect();
  if (gravity_ != kGravityCenter || checkSkin_.isNull()) return client;
  const QSize s = checkSkin_.size();
  return QRect(client.left() + (client.width() - s.width()) / 2, client.top() + (client.height() - s.height()) / 2,
               s.width(), s.height());
}

int SRadioBoxEx::iconState() const { return iconSkin_.isNull() ? -1 : checkControlDrawState(*this, hovered_); }

QRect SRadioBoxEx::iconRect() const {
  if (iconSkin_.isNull()) return {};
  const QRect client = contentsRect();
  const QSize s = iconSkin_.size();
  return QRect(client.left() + iconOffset_.x(), client.top() + (client.height() - s.height()) / 2 + iconOffset_.y(),
               s.width(), s.height());
}

QRect SRadioBoxEx::textRect() const {
  QRect r = contentsRect();
  const int iconWidth = iconSkin_.isNull() ? 0 : iconSkin_.size().width();
  r.setLeft(r.left() + textOffset_.x() + iconOffset_.x() + iconWidth);
  r.setTop(r.top() + textOffset_.y() + 2 * iconOffset_.y());
  return r;
}

QSize SRadioBoxEx::sizeHint() const {
  if (checkSkin_.isNull() && iconSkin_.isNull()) return QRadioButton::sizeHint();
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
  const QSize icon = iconSkin_.size();
  const int w = iconOffset_.x() + icon.width() + textOffset_.x() + text.width() + 8;
  const int h = std::max({icon.height() + 2 * std::abs(iconOffset_.y()), text.height() + 8, checkSkin_.size().height()});
  return QSize(std::max(w, checkSkin_.size().width()), h);
}

void SRadioBoxEx::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!checkSkin_.isNull()) checkSkin_.draw(painter, checkMarkRect(), checkSkinState());
  if (!iconSkin_.isNull()) iconSkin_.draw(painter, iconRect(), iconState());
  style()->drawItemText(&painter, textRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text(), QPalette::WindowText);
}

void SRadioBoxEx::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QRadioButton::enterEvent(event);
}

void SRadioBoxEx::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QRadioButton::leaveEvent(event);
}

bool SRadioBoxEx::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace kb
