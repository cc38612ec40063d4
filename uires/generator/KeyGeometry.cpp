#include "KeyGeometry.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <stdexcept>

namespace kb {

namespace {

[[noreturn]] void fail(const QString& what) { throw std::runtime_error(what.toStdString()); }

double number(const QString& text, const QString& line) {
  bool ok = false;
  const double v = text.toDouble(&ok);
  if (!ok) fail(QStringLiteral("bad number '%1' in: %2").arg(text, line));
  return v;
}

// "Name[|Legend]:usage[:width[:height]]" at (x, y).
KeyShape parseKey(const QString& token, double x, double y, const QString& line) {
  const qsizetype colon = token.indexOf(QLatin1Char(':'), 1);
  if (colon < 0) fail(QStringLiteral("key without usage '%1' in: %2").arg(token, line));
  const QString label = token.left(colon);
  const QStringList numbers = token.mid(colon + 1).split(QLatin1Char(':'));
  KeyShape key;
  const qsizetype bar = label.indexOf(QLatin1Char('|'));
  key.name = (bar < 0 ? label : label.left(bar));
  key.name.replace(QLatin1Char('_'), QLatin1Char(' '));
  key.legend = bar < 0 ? key.name : label.mid(bar + 1);
  bool ok = false;
  key.usage = numbers[0].toInt(&ok, 0);
  if (!ok) fail(QStringLiteral("bad usage in '%1'").arg(token));
  const double w = numbers.size() > 1 ? number(numbers[1], line) : 1.0;
  const double h = numbers.size() > 2 ? number(numbers[2], line) : 1.0;
  key.units = QRectF(x, y, w, h);
  return key;
}

}  // namespace

std::vector<KeyShape> readKeyGeometry(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) fail(QStringLiteral("cannot read ") + path);
  std::vector<KeyShape> keys;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (!line.startsWith(QLatin1String("row "))) fail(QStringLiteral("expected a row: ") + line);
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const double y = number(line.mid(4, colon - 4).trimmed(), line);
    double x = 0;
    for (const QString& token : line.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      if (token.startsWith(QLatin1Char('_')) && !token.contains(QLatin1Char(':'))) {
        x += number(token.mid(1), line);
        continue;
      }
      keys.push_back(parseKey(token, x, y, line));
      x += keys.back().units.width();
    }
  }
  return keys;
}

}  // namespace kb
