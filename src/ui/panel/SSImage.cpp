#include "ui/panel/SSImage.h"

#include "ui/toolkit/UiResources.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace kb {

SSImage::SSImage(QWidget* parent) : QWidget(parent) {}

void SSImage::setSkinName(const QString& name) {
  skinName_ = name;
  setSkin(skinNamed(name));
}

void SSImage::setSkin(const Skin& skin) {
  skin_ = skin;
  update();
}

std::uint32_t SSImage::pick(QPoint hostPoint, std::uintptr_t param) {
  const QPoint rel = hostPoint - mapTo(window(), QPoint(0, 0));
  std::uint32_t pixel = 0;
  if (!skin_.isNull()) {
    const QSize size = skin_.size();
    if (rel.x() >= 0 && rel.x() < size.width() && rel.y() >= 0 && rel.y() < size.height()) {
      QImage surface(size, QImage::Format_ARGB32_Premultiplied);
      surface.fill(Qt::transparent);
      {
        QPainter painter(&surface);
        skin_.draw(painter, QRect(QPoint(0, 0), size), 0);
      }
      pixel = reinterpret_cast<const std::uint32_t*>(surface.constScanLine(rel.y()))[rel.x()];
    }
  }
  if (callback_) callback_->pixelPicked(param, hostPoint.x(), hostPoint.y(), &pixel);
  return pixel;
}

void SSImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pick(mapTo(window(), event->position().toPoint()), static_cast<std::uintptr_t>(event->buttons().toInt()));
  event->accept();
}

void SSImage::paintEvent(QPaintEvent*) {
  if (skin_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  skin_.draw(painter, rect(), 0);
}

}  // namespace kb
