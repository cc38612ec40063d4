#include "KeyboardArt.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamWriter>

#include <cmath>

namespace kb {

namespace {

enum State { kNormal = 0, kHover = 1, kPushed = 2, kDisabled = 3 };

// Legend colours run from cyan over violet to pink across the keyboard.
QColor glow(double t) { return QColor::fromHsvF(std::fmod(0.52 + 0.44 * t, 1.0), 0.78, 1.0); }

struct CapColours {
  QColor base, faceTop, faceBottom, outline, legend;
};

// Normal caps stay below 0x20 a channel, so that the hover and pushed states, which the
// picture combines with the normal one by a bitwise OR, keep their own colours.
CapColours capColours(State s, KeyboardLook look, double t) {
  switch (s) {
    case kHover: return {QColor(0x2c, 0x3a, 0x4c), QColor(0x40, 0x56, 0x70), QColor(0x34, 0x48, 0x60), QColor(0x7d, 0xf0, 0xff), Qt::white};
    case kPushed: return {QColor(0x48, 0x18, 0x5c), QColor(0x7a, 0x2a, 0x9c), QColor(0x62, 0x20, 0x80), QColor(0xf0, 0x8c, 0xff), QColor(0xff, 0xf0, 0xff)};
    case kDisabled: return {QColor(0x14, 0x14, 0x16), QColor(0x1c, 0x1c, 0x1e), QColor(0x18, 0x18, 0x1a), QColor(0x26, 0x26, 0x28), QColor(0x48, 0x48, 0x4c)};
    case kNormal: break;
  }
  if (look == KeyboardLook::Lighting)
    return {QColor(0x10, 0x12, 0x16), QColor(0x1a, 0x1c, 0x1f), QColor(0x14, 0x16, 0x1a), QColor(0x1e, 0x1e, 0x1e), QColor(0xb8, 0xc2, 0xd6)};
  return {QColor(0x12, 0x14, 0x18), QColor(0x1e, 0x1e, 0x1e), QColor(0x16, 0x18, 0x1c), QColor(0x1e, 0x1e, 0x1e), glow(t)};
}

QFont legendFont(const QString& legend) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(legend.size() <= 1 ? 13 : legend.size() <= 3 ? 10 : 8);
  return f;
}

void drawChassis(QPainter& p, QSize size, State s) {
  const QRectF body = QRectF(QPointF(1, 1), QSizeF(size) - QSizeF(2, 2));
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, s == kDisabled ? QColor(0x16, 0x16, 0x18) : QColor(0x17, 0x1a, 0x23));
  fill.setColorAt(1, QColor(0x0a, 0x0b, 0x0e));
  p.setPen(QPen(QColor(0x2c, 0x31, 0x3e), 1));
  p.setBrush(fill);
  p.drawRoundedRect(body, 16, 16);
  if (s == kDisabled) return;
  // The light strip along the front edge.
  QLinearGradient strip(body.left(), 0, body.right(), 0);
  for (int i = 0; i <= 10; ++i) {
    QColor c = glow(i / 10.0);
    c.setAlpha(200);
    strip.setColorAt(i / 10.0, c);
  }
  p.setPen(QPen(QBrush(strip), 2));
  p.drawLine(QPointF(body.left() + 24, body.bottom() - 1.5), QPointF(body.right() - 24, body.bottom() - 1.5));
}

void drawCap(QPainter& p, const QRect& area, const KeyShape& key, State s, KeyboardLook look, double t) {
  const CapColours c = capColours(s, look, t);
  const QRectF cap = QRectF(area).adjusted(1, 1, -1, -1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 140));
  p.drawRoundedRect(cap.translated(0, 2), 6, 6);
  p.setBrush(c.base);
  p.setPen(QPen(c.outline, s == kHover || s == kPushed ? 1.6 : 1.0));
  p.drawRoundedRect(cap, 6, 6);
  QLinearGradient face(cap.topLeft(), cap.bottomLeft());
  face.setColorAt(0, c.faceTop);
  face.setColorAt(1, c.faceBottom);
  p.setPen(Qt::NoPen);
  p.setBrush(face);
  p.drawRoundedRect(cap.adjusted(3, 2, -3, -5), 5, 5);
  if (key.legend.isEmpty()) return;
  p.setFont(legendFont(key.legend));
  const QRectF text = key.legend.size() > 3 ? cap.adjusted(4, 3, -3, -7) : cap.adjusted(6, 3, -6, -7);
  const int flags = key.legend.size() <= 1 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop;
  if (s == kNormal && look == KeyboardLook::Assignment) {
    QColor halo = c.legend;
    halo.setAlpha(70);
    p.setPen(halo);
    for (QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) p.drawText(text.translated(d), flags, key.legend);
  }
  p.setPen(c.legend);
  p.drawText(text, flags, key.legend);
}

QImage drawState(const std::vector<KeyShape>& keys, const KeyboardMetrics& m, KeyboardLook look, State s) {
  const QSize size = m.pictureSize(keys);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawChassis(p, size, s);
  for (const KeyShape& key : keys) {
    const QRect area = m.keyRect(key);
    drawCap(p, area, key, s, look, double(area.center().x()) / size.width());
  }
  return image;
}

}  // namespace

QSize KeyboardMetrics::pictureSize(const std::vector<KeyShape>& keys) const {
  QRectF all;
  for (const KeyShape& k : keys) all = all.united(k.units);
  return QSize(qRound(all.right() * unit) + 2 * margin, qRound(all.bottom() * unit) + 2 * margin);
}

QRect KeyboardMetrics::keyRect(const KeyShape& key) const {
  const QRectF& u = key.units;
  const QRect cell(QPoint(margin + qRound(u.left() * unit), margin + qRound(u.top() * unit)),
                   QPoint(margin + qRound(u.right() * unit) - 1, margin + qRound(u.bottom() * unit) - 1));
  return cell.adjusted(2, 2, -2, -2);
}

QImage drawKeyboardStates(const std::vector<KeyShape>& keys, const KeyboardMetrics& metrics, KeyboardLook look) {
  const QSize one = metrics.pictureSize(keys);
  QImage strip(one.width() * 4, one.height(), QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  for (State s : {kNormal, kHover, kPushed, kDisabled}) p.drawImage(s * one.width(), 0, drawState(keys, metrics, look, s));
  return strip;
}

bool writePositionsFile(const QString& path, const std::vector<KeyShape>& keys, const KeyboardMetrics& metrics) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QXmlStreamWriter xml(&file);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(-1);  // tabs
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("positions"));
  for (size_t i = 0; i < keys.size(); ++i) {
    const QRect r = metrics.keyRect(keys[i]);
    xml.writeStartElement(QStringLiteral("key"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(i + 1));
    xml.writeAttribute(QStringLiteral("value"), QString::number(keys[i].usage));
    xml.writeAttribute(QStringLiteral("index"), QString::number(i));
    xml.writeAttribute(QStringLiteral("name"), keys[i].name);
    xml.writeAttribute(QStringLiteral("rect"),
                       QStringLiteral("%1, %2, %3, %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    xml.writeEndElement();
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return file.error() == QFileDevice::NoError;
}

}  // namespace kb
