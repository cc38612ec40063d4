#include "ui/controls/SAnimImg.h"

#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/UiResources.h"

#include <QPainter>

namespace kb {

SAnimImg::SAnimImg(QWidget* parent) : QWidget(parent) {}

SAnimImg::~SAnimImg() = default;

void SAnimImg::setIntervalText(const QString& text) { interval_ = parseIntAttribute(text); }
void SAnimImg::setAutorunText(const QString& text) { autorun_ = parseIntAttribute(text); }

void SAnimImg::setAniInName(const QString& name) {
  aniInName_ = name;
  setAniIn(skinNamed(name));
}

void SAnimImg::setAniOutName(const QString& name) {
  aniOutName_ = name;
  setAniOut(skinNamed(name));
}

void SAnimImg::onLayoutCreated() {
  tick_.attach(this);
  if (autorun_ >= 0) {
    autorunPending_ = true;
    autorunDelay_ = autorun_ * 1000;
  }
}

QSize SAnimImg::sizeHint() const { return aniIn_.isNull() ? QSize(0, 0) : aniIn_.size(); }

void SAnimImg::onNextFrame() {
  if (state_ > kIdle) {
    elapsed_ += FrameTick::kIntervalMs;
    if (elapsed_ >= interval_) {
      step();
      elapsed_ = 0;
    }
  }
  if (autorunPending_) {
    autorunElapsed_ += FrameTick::kIntervalMs;
    if (autorunElapsed_ >= autorunDelay_) {
      autorunElapsed_ = 0;
      frame_ = 0;
      autorunPending_ = false;
      state_ = kPlayingIn;
    }
  }
}

void SAnimImg::step() {
  if (state_ == kPlayingIn) {
    if (aniIn_.isNull()) return;
    ++frame_;
    if (frame_ >= aniIn_.states()) {
      if (autorun_ == -1) {
        frame_ = aniIn_.states() - 1;
        if (hoverCount_ <= 0 && !aniOut_.isNull()) {
          state_ = kPlayingOut;
          frame_ = 0;
          elapsed_ = 0;
        }
      } else if (autorun_ >= 0) {
        if (autorun_ == 0) frame_ = 0;
        state_ = kIdle;
        autorunPending_ = true;
      }
    }
    update();
  } else if (state_ == kPlayingOut) {
    if (aniOut_.isNull()) return;
    if (frame_ < aniOut_.states() - 1) {
      ++frame_;
      update();
    } else {
      state_ = kIdle;
    }
  }
}

void SAnimImg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect client = contentsRect();
  if (state_ == kPlayingIn && !aniIn_.isNull()) aniIn_.draw(painter, client, frame_);
  else if (state_ == kPlayingOut && !aniOut_.isNull()) aniOut_.draw(painter, client, frame_);
  else if (!aniIn_.isNull()) aniIn_.draw(painter, client, 0);
}

void SAnimImg::enterEvent(QEnterEvent* event) {
  ++hoverCount_;
  state_ = kPlayingIn;
  frame_ = 0;
  elapsed_ = 0;
  autorunElapsed_ = 0;
  update();
  QWidget::enterEvent(event);
}

void SAnimImg::leaveEvent(QEvent* event) {
  --hoverCount_;
  QWidget::leaveEvent(event);
}

}  // namespace kb
