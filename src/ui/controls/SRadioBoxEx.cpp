#include "ui/controls/SRadioBoxEx.h"

#include "ui/controls/ButtonDrawState.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace kb {

SRadioBoxEx::SRadioBoxEx(QWidget* parent) : QRadioButton(parent) { setAttribute(Qt::WA_Hover); }

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
  if (parts_.checkSkin.isNull()) return -1;
  return radioCheckSkinState(*this, hovered_, parts_.checkSkin.states());
}

QRect SRadioBoxEx::checkMarkRect() const {
  const QRect client = contentsRect();
  if (gravity_ != kGravityCenter || parts_.checkSkin.isNull()) return client;
  const QSize s = parts_.checkSkin.size();
  return QRect(client.left() + (client.width() - s.width()) / 2, client.top() + (client.height() - s.height()) / 2,
               s.width(), s.height());
}

int SRadioBoxEx::iconState() const { return parts_.iconSkin.isNull() ? -1 : checkControlDrawState(*this, hovered_); }

QRect SRadioBoxEx::iconRect() const {
  if (parts_.iconSkin.isNull()) return {};
  const QRect client = contentsRect();
  const QSize s = parts_.iconSkin.size();
  return QRect(client.left() + parts_.iconOffset.x(), client.top() + (client.height() - s.height()) / 2 + parts_.iconOffset.y(),
               s.width(), s.height());
}

QRect SRadioBoxEx::textRect() const {
  QRect r = contentsRect();
  r.setLeft(r.left() + parts_.textOffset.x() + parts_.iconOffset.x() + parts_.iconWidth());
  r.setTop(r.top() + parts_.textOffset.y() + 2 * parts_.iconOffset.y());
  return r;
}

QSize SRadioBoxEx::sizeHint() const {
  if (parts_.checkSkin.isNull() && parts_.iconSkin.isNull()) return QRadioButton::sizeHint();
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
  const QSize icon = parts_.iconSkin.size();
  const int w = parts_.iconOffset.x() + icon.width() + parts_.textOffset.x() + text.width() + 8;
  const int h = std::max({icon.height() + 2 * std::abs(parts_.iconOffset.y()), text.height() + 8, parts_.checkSkin.size().height()});
  return QSize(std::max(w, parts_.checkSkin.size().width()), h);
}

void SRadioBoxEx::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!parts_.checkSkin.isNull()) parts_.checkSkin.draw(painter, checkMarkRect(), checkSkinState());
  if (!parts_.iconSkin.isNull()) parts_.iconSkin.draw(painter, iconRect(), iconState());
  IconTextParts::drawText(painter, *this, textRect());
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
