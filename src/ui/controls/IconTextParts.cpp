#include "ui/controls/IconTextParts.h"

#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/UiResources.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyle>

namespace kb {

void IconTextParts::setSkinName(const QString& name) {
  skinName = name;
  checkSkin = skinNamed(name);
}

void IconTextParts::setIconSkinName(const QString& name) {
  iconSkinName = name;
  iconSkin = skinNamed(name);
}

QString IconTextParts::iconPosText() const { return QStringLiteral("%1,%2").arg(iconOffset.x()).arg(iconOffset.y()); }

void IconTextParts::setIconPosText(const QString& text) {
  if (const auto p = parsePointAttribute(text)) iconOffset = *p;
}

void IconTextParts::setTextX(const QString& text) { textOffset.setX(parseIntAttribute(text)); }
void IconTextParts::setTextY(const QString& text) { textOffset.setY(parseIntAttribute(text)); }

int IconTextParts::iconWidth() const { return iconSkin.isNull() ? 0 : iconSkin.size().width(); }

void IconTextParts::drawText(QPainter& painter, const QAbstractButton& button, const QRect& rect) {
  button.style()->drawItemText(&painter, rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                               button.palette(), button.isEnabled(), button.text(), QPalette::WindowText);
}

}  // namespace kb
