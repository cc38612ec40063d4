#pragma once

#include "ui/toolkit/Skin.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

#include <initializer_list>

namespace kb::test {

// A skin whose states are solid colours, side by side, each `stateSize` large.
inline Skin solidSkin(QSize stateSize, std::initializer_list<QColor> stateColours) {
  const int n = static_cast<int>(stateColours.size());
  QPixmap image(stateSize.width() * n, stateSize.height());
  image.fill(Qt::transparent);
  QPainter painter(&image);
  int i = 0;
  for (const QColor& c : stateColours) painter.fillRect(QRect(QPoint(i++ * stateSize.width(), 0), stateSize), c);
  painter.end();
  return Skin(image, n);
}

// A skin of n states whose colours do not matter.
inline Skin statesSkin(int n, QSize stateSize = QSize(16, 16)) {
  QPixmap image(stateSize.width() * n, stateSize.height());
  image.fill(Qt::gray);
  return Skin(image, n);
}

}  // namespace kb::test
