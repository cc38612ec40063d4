#pragma once

#include "ui/toolkit/FrameTick.h"
#include "ui/toolkit/LayoutCreated.h"
#include "ui/toolkit/Skin.h"

#include <QWidget>

namespace kb {

// A picture that plays a short frame animation on the frame tick: "in" when the mouse
// comes over it (or when its autorun countdown expires), held on its last frame while
// the mouse stays, "out" after the mouse has left. Frames are the states of a skin.
// Tag "anmimg"; answers to "window" as well.
class SAnimImg : public QWidget, public ITimelineHandler, public ILayoutCreated {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "anmimg")
  Q_PROPERTY(QString interval READ intervalText WRITE setIntervalText)
  Q_PROPERTY(QString autorun READ autorunText WRITE setAutorunText)
  Q_PROPERTY(QString ani_in READ aniInName WRITE setAniInName)
  Q_PROPERTY(QString ani_out READ aniOutName WRITE setAniOutName)

 public:
  enum State { kIdle = 0, kPlayingIn = 1, kPlayingOut = 2 };

  explicit SAnimImg(QWidget* parent = nullptr);
  ~SAnimImg() override;

  QString intervalText() const { return QString::number(interval_); }
  void setIntervalText(const QString& text);
  QString autorunText() const { return QString::number(autorun_); }
  void setAutorunText(const QString& text);
  QString aniInName() const { return aniInName_; }
  void setAniInName(const QString& name);
  QString aniOutName() const { return aniOutName_; }
  void setAniOutName(const QString& name);
  void setAniIn(const Skin& skin) { aniIn_ = skin; updateGeometry(); }
  void setAniOut(const Skin& skin) { aniOut_ = skin; }

  // Registers with the frame tick and arms the autorun countdown.
  void onLayoutCreated() override;
  void onNextFrame() override;

  int state() const { return state_; }
  int frame() const { return frame_; }
  int hoverCount() const { return hoverCount_; }
  bool autorunPending() const { return autorunPending_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void step();

  int interval_ = 50;
  int autorun_ = -1;
  int autorunDelay_ = 0;
  bool autorunPending_ = false;
  int hoverCount_ = 0;
  int state_ = kIdle;
  int frame_ = 0;
  int elapsed_ = 0;
  int autorunElapsed_ = 0;
  QString aniInName_;
  QString aniOutName_;
  Skin aniIn_;
  Skin aniOut_;
  FrameTickRegistration tick_{this};
};

}  // namespace kb
