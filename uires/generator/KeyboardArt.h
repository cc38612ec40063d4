#pragma once

#include "KeyGeometry.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace kb {

// How a keyboard picture looks: the key-assignment picture has lit, coloured legends;
// the lighting picture has quiet caps on which per-key colours show.
enum class KeyboardLook { Assignment, Lighting };

// Pixel geometry of the pictures: key units to pixels, with a margin around the keys.
struct KeyboardMetrics {
  int unit = 42;
  int margin = 18;
  QSize pictureSize(const std::vector<KeyShape>& keys) const;
  // The key's hit area in picture pixels (its cell less the gap between caps).
  QRect keyRect(const KeyShape& key) const;
};

// The picture in its four states side by side: normal, hover, pushed, disabled.
QImage drawKeyboardStates(const std::vector<KeyShape>& keys, const KeyboardMetrics& metrics, KeyboardLook look);

// The positions file of a picture: one element per key, ids from 1 in key order.
bool writePositionsFile(const QString& path, const std::vector<KeyShape>& keys, const KeyboardMetrics& metrics);

}  // namespace kb
