#include "ui/toolkit/AttributeParse.h"

#include <QStringList>

namespace kb {

int parseIntAttribute(const QString& text) {
  const QByteArray bytes = text.trimmed().toLatin1();
  // strtol with base 0 would read a leading 0 as octal; the layouts mean decimal.
  const char* p = bytes.constData();
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int base = 10;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    base = 16;
    p += 2;
  }
  long long value = 0;
  for (; *p; ++p) {
    int digit;
    if (*p >= '0' && *p <= '9') digit = *p - '0';
    else if (base == 16 && *p >= 'a' && *p <= 'f') digit = *p - 'a' + 10;
    else if (base == 16 && *p >= 'A' && *p <= 'F') digit = *p - 'A' + 10;
    else break;
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) break;
  }
  return static_cast<int>(negative ? -value : value);
}

std::optional<QPoint> parsePointAttribute(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 2) return std::nullopt;
  bool okX = false;
  bool okY = false;
  const int x = parts[0].trimmed().toInt(&okX);
  const int y = parts[1].trimmed().toInt(&okY);
  if (!okX || !okY) return std::nullopt;
  return QPoint(x, y);
}

QList<int> parseIntList(const QString& text) {
  QList<int> values;
  if (text.trimmed().isEmpty()) return values;
  for (const QString& part : text.split(QLatin1Char(','))) values.append(parseIntAttribute(part));
  return values;
}

}  // namespace kb
