#pragma once

#include "ui/toolkit/Skin.h"

#include <QPoint>
#include <QString>

class QAbstractButton;
class QPainter;
class QRect;

namespace kb {

// What the icon radio and check boxes share: a check skin, an icon skin with its offset
// ("iconPos" "x,y") and the text offset ("textX", "textY"); skins come from the skin pool.
struct IconTextParts {
  QString skinName;
  QString iconSkinName;
  Skin checkSkin;
  Skin iconSkin;
  QPoint iconOffset;
  QPoint textOffset;

  void setSkinName(const QString& name);
  void setIconSkinName(const QString& name);
  QString iconPosText() const;
  void setIconPosText(const QString& text);
  void setTextX(const QString& text);
  void setTextY(const QString& text);
  // The icon's width, 0 without an icon skin.
  int iconWidth() const;
  // The button's text in `rect`, as a window draws its text.
  static void drawText(QPainter& painter, const QAbstractButton& button, const QRect& rect);
};

}  // namespace kb
