#pragma once

#include <QRectF>
#include <QString>

#include <vector>

namespace kb {

// One key of the keyboard description, in key units.
struct KeyShape {
  QString name;    // "Left Shift"
  QString legend;  // "Shift"
  int usage = 0;
  QRectF units;    // x, y, width, height in key units
};

// Reads the key geometry description; throws std::runtime_error on a malformed line.
std::vector<KeyShape> readKeyGeometry(const QString& path);

}  // namespace kb
