#include "ControlArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace kb {

namespace {

const QColor kCyan(0x22, 0xd3, 0xee);
const QColor kViolet(0xa8, 0x55, 0xf7);
const QColor kPink(0xec, 0x48, 0x99);
const QColor kIdle(0x8b, 0x94, 0xa8);
const QColor kDim(0x3c, 0x41, 0x50);

QImage blank(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient accent(QPointF a, QPointF b) {
  QLinearGradient g(a, b);
  g.setColorAt(0, kCyan);
  g.setColorAt(0.55, kViolet);
  g.setColorAt(1, kPink);
  return g;
}

}  // namespace

QImage colourPad(QSize size) {
  QImage image = blank(size);
  QImage spectrum(size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.height(); ++y) {
    const double v = double(y) / (size.height() - 1);
    for (int x = 0; x < size.width(); ++x) {
      const double h = double(x) / size.width();
      // White at the top, full colour in the middle, black at the bottom.
      const QColor c = v < 0.5 ? QColor::fromHsvF(h, v * 2, 1.0) : QColor::fromHsvF(h, 1.0, 1.0 - (v - 0.5) * 2);
      spectrum.setPixelColor(x, y, c);
    }
  }
  QPainter p(&image);
  smooth(p);
  QPainterPath clip;
  clip.addRoundedRect(QRectF(0, 0, size.width(), size.height()), 10, 10);
  p.setClipPath(clip);
  p.drawImage(0, 0, spectrum);
  return image;
}

QImage logo(int size, double glowAmount) {
  QImage image = blank(QSize(size, size));
  QPainter p(&image);
  smooth(p);
  const double s = size;
  const QRectF body(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
  if (glowAmount > 0) {
    QRadialGradient halo(body.center(), s * 0.5);
    QColor c = kViolet;
    c.setAlphaF(0.45 * glowAmount);
    halo.setColorAt(0.6, c);
    halo.setColorAt(1, Qt::transparent);
    p.fillRect(image.rect(), halo);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(accent(body.topLeft(), body.bottomRight()));
  p.drawRoundedRect(body, s * 0.22, s * 0.22);
  const QRectF cap = body.adjusted(s * 0.16, s * 0.14, -s * 0.16, -s * 0.2);
  p.setBrush(QColor(0x10, 0x12, 0x18));
  p.drawRoundedRect(cap, s * 0.1, s * 0.1);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(std::max(6, int(s * 0.36)));
  p.setFont(f);
  p.setPen(QColor(0xe6, 0xfb, 0xff));
  p.drawText(cap, Qt::AlignCenter, QStringLiteral("K"));
  return image;
}

QImage logoFrames(int size, int frames) {
  QImage strip = blank(QSize(size * frames, size));
  QPainter p(&strip);
  for (int i = 0; i < frames; ++i) {
    const double phase = std::sin(M_PI * i / (frames - 1));
    p.drawImage(i * size, 0, logo(size, 0.2 + 0.8 * phase));
  }
  return strip;
}

QImage captionIcon(const QString& kind, int size) {
  QImage image = blank(QSize(size, size));
  QPainter p(&image);
  smooth(p);
  p.setPen(QPen(QColor(0xc9, 0xd1, 0xe0), 1.6, Qt::SolidLine, Qt::RoundCap));
  const double s = size, a = s * 0.28, b = s * 0.72;
  if (kind == QLatin1String("close")) {
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawLine(QPointF(b, a), QPointF(a, b));
  } else if (kind == QLatin1String("min")) {
    p.drawLine(QPointF(a, s * 0.5), QPointF(b, s * 0.5));
  } else if (kind == QLatin1String("max")) {
    p.drawRoundedRect(QRectF(a, a, b - a, b - a), 1.5, 1.5);
  } else {  // more
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc9, 0xd1, 0xe0));
    for (double y : {0.3, 0.5, 0.7}) p.drawEllipse(QPointF(s * 0.5, s * y), 1.6, 1.6);
  }
  return image;
}

QImage iconStates(int size, const Glyph& glyph) {
  const QColor colours[8] = {kIdle, Qt::white, Qt::white, kDim, kCyan, QColor(0x7d, 0xf0, 0xff), kCyan, kDim};
  QImage strip = blank(QSize(size * 8, size));
  QPainter p(&strip);
  smooth(p);
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(i * size, 0);
    glyph(p, size, colours[i]);
    p.restore();
  }
  return strip;
}

QImage swatchStates(int size, const QColor& colour) {
  QImage strip = blank(QSize(size * 8, size));
  QPainter p(&strip);
  smooth(p);
  for (int i = 0; i < 8; ++i) {
    const bool checked = i >= 4;
    const int state = i % 4;
    const QRectF cell(i * size, 0, size, size);
    const QRectF dot = cell.adjusted(5, 5, -5, -5);
    if (checked) {
      p.setPen(QPen(QBrush(accent(cell.topLeft(), cell.bottomRight())), 2));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(cell.adjusted(1.5, 1.5, -1.5, -1.5));
    } else if (state == 1 || state == 2) {
      p.setPen(QPen(QColor(0x6b, 0x74, 0x88), 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(cell.adjusted(2, 2, -2, -2));
    }
    p.setPen(QPen(QColor(255, 255, 255, checked ? 220 : 60), 1));
    if (colour.isValid()) {
      QColor c = colour;
      if (state == 3) c.setAlpha(70);
      p.setBrush(c);
      p.drawEllipse(dot);
    } else {  // automatic: a colour wheel
      QConicalGradient wheel(dot.center(), 0);
      for (int k = 0; k <= 6; ++k) wheel.setColorAt(k / 6.0, QColor::fromHsvF(std::fmod(k / 6.0, 1.0), 0.9, 1.0));
      p.setBrush(wheel);
      p.drawEllipse(dot);
    }
  }
  return strip;
}

QImage pillStates(QSize size, bool checkedLast) {
  QImage strip = blank(QSize(size.width() * 4, size.height()));
  QPainter p(&strip);
  smooth(p);
  const int checkedState = checkedLast ? 3 : 2;
  for (int i = 0; i < 4; ++i) {
    const QRectF r = QRectF(i * size.width(), 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    const double radius = 8;
    if (i == checkedState) {
      QLinearGradient g(r.topLeft(), r.topRight());
      g.setColorAt(0, QColor(0x0e, 0x4b, 0x5a));
      g.setColorAt(1, QColor(0x3b, 0x1f, 0x5e));
      p.setBrush(g);
      p.setPen(QPen(QBrush(accent(r.topLeft(), r.topRight())), 1.5));
    } else {
      const bool disabled = !checkedLast && i == 3;
      p.setBrush(i == 0 ? QColor(0x1a, 0x1e, 0x28) : disabled ? QColor(0x14, 0x16, 0x1c) : QColor(0x24, 0x2a, 0x38));
      p.setPen(QPen(i == 0 ? QColor(0x2a, 0x30, 0x3e) : disabled ? QColor(0x1e, 0x22, 0x2a) : QColor(0x3e, 0x47, 0x5c), 1));
    }
    p.drawRoundedRect(r, radius, radius);
  }
  return strip;
}

QImage recordToggleStates(QSize size) {
  QImage strip = blank(QSize(size.width() * 4, size.height()));
  QPainter p(&strip);
  smooth(p);
  for (int i = 0; i < 4; ++i) {
    const QRectF r = QRectF(i * size.width(), 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    const double radius = r.height() / 2;
    if (i == 3) {
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, QColor(0x9f, 0x12, 0x39));
      g.setColorAt(1, QColor(0x6d, 0x0b, 0x26));
      p.setBrush(g);
      p.setPen(QPen(QColor(0xff, 0x5c, 0x8a), 1.5));
    } else {
      p.setBrush(i == 0 ? QColor(0x1e, 0x22, 0x2e) : i == 1 ? QColor(0x28, 0x2e, 0x3d) : QColor(0x32, 0x1a, 0x24));
      p.setPen(QPen(i == 0 ? QColor(0x34, 0x3b, 0x4c) : QColor(0xff, 0x5c, 0x8a, 160), 1));
    }
    p.drawRoundedRect(r, radius, radius);
  }
  return strip;
}

QImage tabItemStates(QSize size) {
  QImage strip = blank(QSize(size.width() * 3, size.height()));
  QPainter p(&strip);
  smooth(p);
  for (int i = 0; i < 3; ++i) {
    const QRectF r(i * size.width(), 0, size.width(), size.height());
    if (i == 1) p.fillRect(r.adjusted(2, 4, -2, -2), QColor(255, 255, 255, 12));
    if (i == 2) {
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, QColor(0x22, 0xd3, 0xee, 0));
      g.setColorAt(1, QColor(0x22, 0xd3, 0xee, 40));
      p.fillRect(r.adjusted(2, 4, -2, 0), g);
      p.fillRect(QRectF(r.left() + 10, r.bottom() - 3, r.width() - 20, 3), accent(r.bottomLeft(), r.bottomRight()));
    }
  }
  return strip;
}

QImage tabHeadBackground(QSize size) {
  QImage image = blank(size);
  QPainter p(&image);
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, QColor(0x12, 0x14, 0x1b));
  g.setColorAt(1, QColor(0x0f, 0x11, 0x17));
  p.fillRect(image.rect(), g);
  p.fillRect(QRect(0, size.height() - 1, size.width(), 1), QColor(0x26, 0x2b, 0x36));
  return image;
}

QImage glyphStrip(int size, const std::vector<Glyph>& glyphs, const QColor& colour) {
  QImage strip = blank(QSize(size * int(glyphs.size()), size));
  QPainter p(&strip);
  smooth(p);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    p.save();
    p.translate(int(i) * size, 0);
    glyphs[i](p, size, colour);
    p.restore();
  }
  return strip;
}

QImage glyphAnimation(int size, const Glyph& glyph, int frames, bool in) {
  QImage strip = blank(QSize(size * frames, size));
  QPainter p(&strip);
  smooth(p);
  for (int i = 0; i < frames; ++i) {
    const double t = double(in ? i : frames - 1 - i) / (frames - 1);
    p.save();
    p.translate(i * size, 0);
    QRadialGradient halo(QPointF(size / 2.0, size / 2.0), size / 2.0);
    QColor c = kCyan;
    c.setAlphaF(0.35 * t);
    halo.setColorAt(0, c);
    halo.setColorAt(1, Qt::transparent);
    p.fillRect(QRectF(0, 0, size, size), halo);
    const QColor colour = QColor::fromRgbF(kIdle.redF() + (kCyan.redF() - kIdle.redF()) * t,
                                           kIdle.greenF() + (kCyan.greenF() - kIdle.greenF()) * t,
                                           kIdle.blueF() + (kCyan.blueF() - kIdle.blueF()) * t);
    const double scale = 1.0 + 0.12 * t;
    p.translate(size / 2.0, size / 2.0);
    p.scale(scale, scale);
    p.translate(-size / 2.0, -size / 2.0);
    glyph(p, size, colour);
    p.restore();
  }
  return strip;
}

Glyph arrowGlyph(int degrees) {
  return [degrees](QPainter& p, double s, const QColor& c) {
    p.save();
    p.translate(s / 2, s / 2);
    p.rotate(degrees);
    QPainterPath path;
    path.moveTo(s * 0.3, 0);
    path.lineTo(-s * 0.08, -s * 0.28);
    path.lineTo(-s * 0.08, s * 0.28);
    path.closeSubpath();
    p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-s * 0.32, 0), QPointF(0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
  };
}

Glyph rotateGlyph(bool clockwise) {
  return [clockwise](QPainter& p, double s, const QColor& c) {
    p.save();
    if (!clockwise) {
      p.translate(s, 0);
      p.scale(-1, 1);
    }
    const QRectF arc(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
    p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 100 * 16, -280 * 16);
    QPainterPath head;
    head.moveTo(s * 0.5, s * 0.08);
    head.lineTo(s * 0.66, s * 0.2);
    head.lineTo(s * 0.5, s * 0.32);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
    p.restore();
  };
}

Glyph textGlyph(const QString& text) {
  return [text](QPainter& p, double s, const QColor& c) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(s * (text.size() > 1 ? 0.42 : 0.6)));
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, text);
  };
}

Glyph dotGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.3, s * 0.3);
  };
}

Glyph recordGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(QPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.36, s * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.18, s * 0.18);
  };
}

Glyph keycapGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(QPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(s * 0.14, s * 0.14, s * 0.72, s * 0.72), s * 0.14, s * 0.14);
    p.drawRoundedRect(QRectF(s * 0.28, s * 0.24, s * 0.44, s * 0.36), s * 0.08, s * 0.08);
  };
}

Glyph mediaGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    QPainterPath tri;
    tri.moveTo(s * 0.3, s * 0.2);
    tri.lineTo(s * 0.78, s * 0.5);
    tri.lineTo(s * 0.3, s * 0.8);
    tri.closeSubpath();
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tri);
  };
}

Glyph keyboardGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(QPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.26, s * 0.84, s * 0.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int row = 0; row < 2; ++row)
      for (int col = 0; col < 5; ++col)
        p.drawRect(QRectF(s * (0.17 + col * 0.14), s * (0.34 + row * 0.13), s * 0.08, s * 0.07));
    p.drawRect(QRectF(s * 0.3, s * 0.6, s * 0.4, s * 0.07));
  };
}

Glyph bulbGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.18, s * 0.18);
    for (int k = 0; k < 8; ++k) {
      const double a = k * M_PI / 4;
      p.drawLine(QPointF(s / 2 + std::cos(a) * s * 0.3, s / 2 + std::sin(a) * s * 0.3),
                 QPointF(s / 2 + std::cos(a) * s * 0.42, s / 2 + std::sin(a) * s * 0.42));
    }
  };
}

Glyph sideLightGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.15, s * 0.7), QPointF(s * 0.85, s * 0.7));
    for (double x : {0.25, 0.5, 0.75}) p.drawLine(QPointF(s * x, s * 0.56), QPointF(s * x, s * 0.3));
  };
}

Glyph gearGlyph() {
  return [](QPainter& p, double s, const QColor& c) {
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.2, s * 0.2);
    for (int k = 0; k < 6; ++k) {
      const double a = k * M_PI / 3;
      p.drawLine(QPointF(s / 2 + std::cos(a) * s * 0.26, s / 2 + std::sin(a) * s * 0.26),
                 QPointF(s / 2 + std::cos(a) * s * 0.38, s / 2 + std::sin(a) * s * 0.38));
    }
  };
}

}  // namespace kb
