#pragma once

#include "ui/toolkit/FrameTick.h"
#include "ui/toolkit/LayoutCreated.h"
#include "ui/toolkit/Skin.h"

#include <QColor>
#include <QTabWidget>

namespace kb {

class STabPage2;

// A tab control with a background skin behind its row of headers, its own header
// painting (tab skin, icon, title) and a short icon animation on each header: the page's
// "in" frames while the mouse is over the header, its "out" frames after it left. The
// header reports hover and leave as itemHovered/itemLeft (toolkit events 11002 and 11003).
// Tag "tabctrl2"; answers to "tabctrl" and "window" as well.
class STabCtrl2 : public QTabWidget, public ITimelineHandler, public ILayoutCreated {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "tabctrl2")
  Q_PROPERTY(QString tabHeadBgSkin READ headBgSkinName WRITE setHeadBgSkinName)
  Q_PROPERTY(QString tabSkin READ tabSkinName WRITE setTabSkinName)
  Q_PROPERTY(QString iconSkin READ iconSkinName WRITE setIconSkinName)
  Q_PROPERTY(QString tabInterSkin READ interSkinName WRITE setInterSkinName)
  Q_PROPERTY(QString frameSkin READ frameSkinName WRITE setFrameSkinName)
  Q_PROPERTY(int iconX MEMBER iconX_)
  Q_PROPERTY(int iconY MEMBER iconY_)
  Q_PROPERTY(int tabWidth MEMBER tabWidth_)
  Q_PROPERTY(int tabHeight MEMBER tabHeight_)
  Q_PROPERTY(QColor textColor MEMBER textColor_)
  Q_PROPERTY(QColor currentTextColor MEMBER currentTextColor_)

 public:
  static constexpr int kFrameTimeMs = 50;

  explicit STabCtrl2(QWidget* parent = nullptr);
  ~STabCtrl2() override;

  QString headBgSkinName() const { return headBgSkinName_; }
  void setHeadBgSkinName(const QString& name);
  QString tabSkinName() const { return tabSkinName_; }
  void setTabSkinName(const QString& name);
  QString iconSkinName() const { return iconSkinName_; }
  void setIconSkinName(const QString& name);
  QString interSkinName() const { return interSkinName_; }
  void setInterSkinName(const QString& name);
  QString frameSkinName() const { return frameSkinName_; }
  void setFrameSkinName(const QString& name);
  void setInterSkin(const Skin& skin) { interSkin_ = skin; update(); }

  // Registers with the frame tick and subscribes to its own hover and leave events.
  void onLayoutCreated() override;
  void onNextFrame() override;

  void onItemHover(int index);
  void onItemLeave(int index);
  int hoveredItem() const { return hovered_; }
  STabPage2* page2(int index) const;

  // Draw state of an item: 2 current, 1 hovered, 0 otherwise.
  int itemDrawState(int index) const;
  // Where item i is drawn in the header: its tab rectangle, widened by the inter-tab size
  // on both ends when it is the current item and an inter-tab skin exists.
  QRect itemRect(int index) const;
  // The gap before item i in which the inter-tab skin is drawn, or an empty rectangle when
  // none is drawn there (the first item, the current one and the one after it).
  QRect interRect(int index) const;
  // The icon an item shows: (skin, state), or a null skin.
  std::pair<const Skin*, int> itemIcon(int index) const;

  QSize itemSize(int index, QSize base) const;

 signals:
  void itemHovered(int index);
  void itemLeft(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  friend class TabHeaderBar;
  void setHovered(int index);
  void startAnimation(int index, int state);
  void drawItem(QPainter& painter, const QRect& rect, int index) const;
  void drawHeader(QPainter& painter) const;

  QString headBgSkinName_;
  QString tabSkinName_;
  QString iconSkinName_;
  QString interSkinName_;
  QString frameSkinName_;
  Skin interSkin_;
  Skin frameSkin_;
  Skin headBg_;
  Skin tabSkin_;
  Skin iconSkin_;
  int iconX_ = 8;
  int iconY_ = -1;  // -1 centres the icon vertically
  int tabWidth_ = 0;
  int tabHeight_ = 0;
  QColor textColor_{0x9a, 0xa4, 0xb4};
  QColor currentTextColor_{0xff, 0xff, 0xff};
  int hovered_ = -1;
  FrameTickRegistration tick_{this};
};

}  // namespace kb
