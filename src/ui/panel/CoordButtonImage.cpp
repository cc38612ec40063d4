#include "ui/panel/CoordButtonImage.h"

#include "ui/panel/KeyPositionsFile.h"
#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/Trace.h"
#include "ui/toolkit/UiResources.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace kb {

namespace {

// The frame drawn around checked keys: dashed, 2 pixels, opaque white, corner radius 1.
constexpr int kFrameWidth = 2;
constexpr qreal kFrameRadius = 1.0;
const QColor kFrameColour(0xFF, 0xFF, 0xFF, 0xFF);

// Colours are stored red in the lowest byte, then green, blue and alpha.
QColor colourOf(std::uint32_t v) {
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, (v >> 24) & 0xFF);
}

QRect toQRect(const KeyRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// Point-in-rectangle as the band uses it: left and top inclusive, right and bottom
// exclusive, and a band whose right or bottom lies before its left or top holds nothing.
bool bandContains(QPoint from, QPoint to, QPoint p) {
  return p.x() >= from.x() && p.x() < to.x() && p.y() >= from.y() && p.y() < to.y();
}

}  // namespace

CoordButtonImage::CoordButtonImage(QWidget* parent) : QWidget(parent) {}

CoordButtonImage::~CoordButtonImage() {
  if (filteredWindow_) filteredWindow_->removeEventFilter(this);
}

void CoordButtonImage::setSelectText(const QString& text) {
  setSelectMode(!(text == QLatin1String("0") || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0));
}

void CoordButtonImage::setTypeText(const QString& text) { clickType_ = parseIntAttribute(text); }

void CoordButtonImage::setSkinName(const QString& name) {
  skinName_ = name;
  setSkin(skinNamed(name));
}

void CoordButtonImage::setSkin(const Skin& skin) {
  skin_ = skin;
  update();
}

void CoordButtonImage::setSelectMode(bool on) {
  selectMode_ = on;
  update();
}

void CoordButtonImage::setDrawBackgrounds(bool on) {
  drawBackgrounds_ = on;
  update();
}

void CoordButtonImage::setDrawForegrounds(bool on) {
  drawForegrounds_ = on;
  update();
}

void CoordButtonImage::setListener(std::unique_ptr<IListenerProxy> listener) { listener_ = std::move(listener); }

QString CoordButtonImage::positionsPath() const {
  const QString value = resolveNamedString(coords_);
  const bool rooted = value.startsWith(QLatin1String("\\\\")) || value.startsWith(QLatin1Char('/'));
  return QCoreApplication::applicationDirPath() + (rooted ? QString() : QStringLiteral("/")) + value;
}

void CoordButtonImage::loadKeys(const QString& path) {
  keys_ = readKeyPositions(path.toStdString());
  keysRead_ = true;
  update();
}

void CoordButtonImage::onLayoutCreated() {
  if (!keysRead_ && !coords_.isEmpty()) loadKeys(positionsPath());
  if (window()->testAttribute(Qt::WA_TranslucentBackground)) {
    trace(QStringLiteral("warning!!! create iectrl failed bacause of host is translucent!"));
    created_ = false;
    return;
  }
  created_ = true;
  joinHostEvents();
}

void CoordButtonImage::showEvent(QShowEvent* event) {
  joinHostEvents();
  QWidget::showEvent(event);
}

void CoordButtonImage::joinHostEvents() {
  if (!created_) return;
  QWindow* host = window()->windowHandle();
  if (host == filteredWindow_) return;
  if (filteredWindow_) filteredWindow_->removeEventFilter(this);
  filteredWindow_ = host;
  if (host) host->installEventFilter(this);
}

bool CoordButtonImage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == filteredWindow_ && isVisible()) {
    switch (event->type()) {
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease: {
        const auto* me = static_cast<QMouseEvent*>(event);
        hostMouseEvent(event->type(), me->position().toPoint(), me->button());
        break;
      }
      case QEvent::Leave:
        hostMouseEvent(QEvent::Leave, {}, Qt::NoButton);
        break;
      default:
        break;
    }
  }
  return false;  // the host's events always go on to their widgets
}

void CoordButtonImage::hostMouseEvent(QEvent::Type type, QPoint p, Qt::MouseButton button) {
  switch (type) {
    case QEvent::MouseMove: onMove(p); break;
    case QEvent::MouseButtonPress:
      if (button == Qt::LeftButton) onLeftDown(p);
      else if (button == Qt::RightButton) onRightDown(p);
      break;
    case QEvent::MouseButtonRelease:
      if (button == Qt::LeftButton) onLeftUp(p);
      else if (button == Qt::RightButton) onRightUp();
      break;
    case QEvent::Leave: onLeave(); break;
    default: break;
  }
}

QPoint CoordButtonImage::clientOriginInHost() const { return mapTo(window(), contentsRect().topLeft()); }

QPoint CoordButtonImage::toRelative(QPoint hostPoint) const { return hostPoint - clientOriginInHost(); }

int CoordButtonImage::keyAt(QPoint rel) const {
  for (size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i].rect.contains(rel.x(), rel.y())) return static_cast<int>(i);
  }
  return -1;
}

int CoordButtonImage::keyWithId(int id) const {
  for (size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

bool CoordButtonImage::bandCovers(QPoint from, QPoint to, const KeyRect& key) const {
  const QPoint origin = clientOriginInHost();
  return bandContains(from, to, QPoint(key.left, key.top) + origin) &&
         bandContains(from, to, QPoint(key.right, key.bottom) + origin);
}

void CoordButtonImage::toggleMarked(int id) {
  if (id == kAllKeys) {
    for (CoordButtonInfo& k : keys_) k.marked = !k.marked;
    return;
  }
  const int i = keyWithId(id);
  if (i >= 0) keys_[i].marked = !keys_[i].marked;
}

void CoordButtonImage::applyClickType(int id) {
  if (clickType_ == kClickSingle) {
    for (CoordButtonInfo& k : keys_) k.marked = false;
    toggleMarked(id);
  } else if (clickType_ == kClickMultiple) {
    toggleMarked(id);
  }
}

void CoordButtonImage::clearHover() {
  if (hoverId_ == -1) return;
  const int i = keyWithId(hoverId_);
  if (i >= 0) keys_[i].hover = false;
  hoverId_ = -1;
}

void CoordButtonImage::reportSelection() {
  if (!listener_ || testAttribute(Qt::WA_ForceDisabled)) return;
  std::vector<CoordButtonInfo> checked;
  for (const CoordButtonInfo& k : keys_) {
    if (k.checked) checked.push_back(k);
  }
  listener_->selectionChanged(std::move(checked));
  update();
}

void CoordButtonImage::onLeftDown(QPoint p) {
  leftPress_ = p;
  leftDown_ = true;
  current_ = p;  // a new band starts empty, not at the last drag's end
  if (contentsRect().isEmpty()) {
    update();
    return;
  }
  const QPoint rel = toRelative(p);
  const int i = keyAt(rel);
  if (i < 0) {
    pressedId_ = -1;
  } else {
    const int id = keys_[i].id;
    const int handled = listener_ ? listener_->click(id, keys_[i].position, &keys_[i], 0, 0, rel.x(), rel.y()) : 0;
    if (handled == 0) applyClickType(id);
    pressedId_ = id;
  }
  update();
}

void CoordButtonImage::onLeftUp(QPoint p) {
  if (!contentsRect().isEmpty()) {
    const QPoint rel = toRelative(p);
    if (selectMode_) {
      const QPoint pressRel = toRelative(leftPress_);
      for (CoordButtonInfo& k : keys_) {
        if (k.rect.contains(rel.x(), rel.y()) && k.rect.contains(pressRel.x(), pressRel.y())) {
          k.checked = !k.checked;
          break;
        }
      }
      reportSelection();
    } else {
      for (CoordButtonInfo& k : keys_) {
        if (k.id != pressedId_ || !k.rect.contains(rel.x(), rel.y())) continue;
        if (listener_) listener_->click(k.id, k.position, &k, 1, 0, rel.x(), rel.y());
        pressedId_ = -1;
        break;
      }
    }
  }
  leftDown_ = false;
  leftPress_ = QPoint(-1, -1);
  update();
}

void CoordButtonImage::onMove(QPoint p) {
  if (rightDown_) {
    current_ = p;
    for (CoordButtonInfo& k : keys_) {
      if (bandCovers(rightPress_, p, k.rect)) k.checked = false;
    }
  } else if (leftDown_) {
    if (selectMode_) {
      current_ = p;
      for (CoordButtonInfo& k : keys_) {
        if (bandCovers(leftPress_, p, k.rect)) k.checked = true;
      }
    }
    clearHover();
  } else {
    const QPoint rel = toRelative(p);
    const int i = keyAt(rel);
    int hitId = -1;
    if (i >= 0) {
      CoordButtonInfo& k = keys_[i];
      setToolTip(QString::fromStdString(k.tip.empty() ? k.name : k.tip));
      k.hover = true;
      hitId = k.id;
    }
    if (hoverId_ != hitId && hoverId_ != -1) {
      const int old = keyWithId(hoverId_);
      if (old >= 0) keys_[old].hover = false;
    }
    hoverId_ = hitId;
    if (i < 0) {
      current_ = QPoint(-1, -1);
      setToolTip(QString());
    }
  }
  update();
}

void CoordButtonImage::onRightDown(QPoint p) {
  rightPress_ = p;
  rightDown_ = true;
  current_ = p;
  update();
}

void CoordButtonImage::onRightUp() {
  rightDown_ = false;
  rightPress_ = QPoint(-1, -1);
  update();
}

void CoordButtonImage::onLeave() {
  leftDown_ = false;
  rightDown_ = false;
  leftPress_ = QPoint(-1, -1);
  rightPress_ = QPoint(-1, -1);
  setToolTip(QString());
  clearHover();
  if (selectMode_) reportSelection();
  current_ = QPoint(-1, -1);
  update();
}

QImage CoordButtonImage::render() const {
  QImage canvas(size(), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect whole = rect();
  const int states = skin_.isNull() ? 0 : skin_.states();
  if (!skin_.isNull()) skin_.draw(painter, whole, !isEnabled() && states > 3 ? 3 : 0);

  if (drawBackgrounds_) {
    for (const CoordButtonInfo& k : keys_) {
      if (k.background != 0) painter.fillRect(toQRect(k.rect), colourOf(k.background));
    }
  }
  // Hover, marked and disabled keys: their rectangles come from the picture's state 1, 2
  // and 3, combined with what is already drawn by a bitwise OR.
  if (!skin_.isNull() && !testAttribute(Qt::WA_ForceDisabled)) {
    for (int s = 1; s <= 3 && states > s; ++s) {
      QImage layer(size(), QImage::Format_ARGB32_Premultiplied);
      layer.fill(Qt::transparent);
      {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::SmoothPixmapTransform);
        skin_.draw(lp, whole, s);
      }
      painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
      for (const CoordButtonInfo& k : keys_) {
        const bool qualifies = s == 1 ? k.hover && !k.disabled : s == 2 ? k.marked && !k.disabled : k.disabled;
        if (qualifies) painter.drawImage(toQRect(k.rect), layer, toQRect(k.rect));
      }
      painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
  }
  if (drawForegrounds_) {
    for (const CoordButtonInfo& k : keys_) {
      if (k.foreground != 0) painter.fillRect(toQRect(k.rect), colourOf(k.foreground));
    }
  }
  if (selectMode_) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen framePen(kFrameColour, kFrameWidth, Qt::DashLine);
    painter.setPen(framePen);
    painter.setBrush(Qt::NoBrush);
    const int grow = kFrameWidth / 2;
    for (const CoordButtonInfo& k : keys_) {
      if (k.checked) painter.drawRoundedRect(toQRect(k.rect).adjusted(-grow, -grow, grow, grow), kFrameRadius, kFrameRadius);
    }
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    if (rightDown_ || leftDown_) {
      const QPoint from = (rightDown_ ? rightPress_ : leftPress_) - origin;
      const QPoint to = current_ - origin;
      // Corners as given, the far one excluded: a band of no extent draws nothing.
      const QRect band = QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                               QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())))
                             .intersected(whole);
      painter.setPen(rightDown_ ? QPen(kFrameColour, kFrameWidth, Qt::DotLine) : framePen);
      if (!band.isEmpty() && current_ != QPoint(-1, -1)) painter.drawRoundedRect(band, kFrameRadius, kFrameRadius);
    }
  }
  return canvas;
}

void CoordButtonImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

}  // namespace kb
