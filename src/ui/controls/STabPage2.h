#pragma once

#include "ui/toolkit/Skin.h"

#include <QWidget>

namespace kb {

// A page of an animated tab control: it carries the "in" and "out" frames of its tab
// header's icon and the animation's progress. Tag "page2"; answers to "window".
class STabPage2 : public QWidget {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "page2")
  Q_PROPERTY(QString ani_in READ aniInName WRITE setAniInName)
  Q_PROPERTY(QString ani_out READ aniOutName WRITE setAniOutName)
  Q_PROPERTY(int iconIndex READ iconIndex WRITE setIconIndex)

 public:
  enum State { kStill = 0, kIn = 1, kOut = 2 };

  explicit STabPage2(QWidget* parent = nullptr);

  QString aniInName() const { return aniInName_; }
  void setAniInName(const QString& name);
  QString aniOutName() const { return aniOutName_; }
  void setAniOutName(const QString& name);
  void setAniIn(const Skin& skin) { aniIn = skin; }
  void setAniOut(const Skin& skin) { aniOut = skin; }
  // The state of the tab control's icon skin shown for this page; -1 uses the item index.
  int iconIndex() const { return iconIndex_; }
  void setIconIndex(int index) { iconIndex_ = index; }

  // Animation progress, stepped by the tab control.
  int state = kStill;
  int frame = 0;
  int countdown = 0;
  Skin aniIn;
  Skin aniOut;

 private:
  QString aniInName_;
  QString aniOutName_;
  int iconIndex_ = -1;
};

}  // namespace kb
