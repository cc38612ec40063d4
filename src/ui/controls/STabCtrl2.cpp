#include "ui/controls/STabCtrl2.h"

#include "ui/controls/STabPage2.h"
#include "ui/toolkit/UiResources.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>

namespace kb {

// The header row of an STabCtrl2: it reports the hovered item and leaves the painting of
// its items to the control.
class TabHeaderBar : public QTabBar {
 public:
  explicit TabHeaderBar(STabCtrl2* owner) : QTabBar(owner), owner_(owner) {
    setMouseTracking(true);
    setDrawBase(false);
    setExpanding(false);
  }

 protected:
  QSize tabSizeHint(int index) const override { return owner_->itemSize(index, QTabBar::tabSizeHint(index)); }

  void mouseMoveEvent(QMouseEvent* event) override {
    owner_->setHovered(tabAt(event->position().toPoint()));
    QTabBar::mouseMoveEvent(event);
  }

  void leaveEvent(QEvent* event) override {
    owner_->setHovered(-1);
    QTabBar::leaveEvent(event);
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    owner_->drawHeader(painter);
  }

 private:
  STabCtrl2* owner_;
};

STabCtrl2::STabCtrl2(QWidget* parent) : QTabWidget(parent) { setTabBar(new TabHeaderBar(this)); }

STabCtrl2::~STabCtrl2() = default;

void STabCtrl2::setHeadBgSkinName(const QString& name) {
  headBgSkinName_ = name;
  headBg_ = skinNamed(name);
}

void STabCtrl2::setTabSkinName(const QString& name) {
  tabSkinName_ = name;
  tabSkin_ = skinNamed(name);
}

void STabCtrl2::setIconSkinName(const QString& name) {
  iconSkinName_ = name;
  iconSkin_ = skinNamed(name);
}

void STabCtrl2::setInterSkinName(const QString& name) {
  interSkinName_ = name;
  interSkin_ = skinNamed(name);
}

void STabCtrl2::setFrameSkinName(const QString& name) {
  frameSkinName_ = name;
  frameSkin_ = skinNamed(name);
}

void STabCtrl2::onLayoutCreated() {
  tick_.attach(this);
  connect(this, &STabCtrl2::itemHovered, this, &STabCtrl2::onItemHover, Qt::UniqueConnection);
  connect(this, &STabCtrl2::itemLeft, this, &STabCtrl2::onItemLeave, Qt::UniqueConnection);
}

STabPage2* STabCtrl2::page2(int index) const { return qobject_cast<STabPage2*>(widget(index)); }

void STabCtrl2::setHovered(int index) {
  if (index == hovered_) return;
  const int old = hovered_;
  hovered_ = index;
  if (old >= 0) emit itemLeft(old);
  if (index >= 0) emit itemHovered(index);
  tabBar()->update();
}

void STabCtrl2::startAnimation(int index, int state) {
  STabPage2* page = page2(index);
  if (!page) return;
  page->state = state;
  page->frame = 0;
  page->countdown = kFrameTimeMs;
  tabBar()->update(tabBar()->tabRect(index));
}

void STabCtrl2::onItemHover(int index) { startAnimation(index, STabPage2::kIn); }
void STabCtrl2::onItemLeave(int index) { startAnimation(index, STabPage2::kOut); }

void STabCtrl2::onNextFrame() {
  for (int i = 0; i < count(); ++i) {
    STabPage2* page = page2(i);
    if (!page || page->state == STabPage2::kStill) continue;
    page->countdown -= FrameTick::kIntervalMs;
    if (page->countdown > 0) continue;
    ++page->frame;
    if (page->state == STabPage2::kIn) {
      if (page->aniIn.isNull()) page->state = STabPage2::kStill;
      else if (page->frame >= page->aniIn.states() - 1) page->frame = page->aniIn.states() - 1;
    } else if (page->aniOut.isNull() || page->frame >= page->aniOut.states() - 1) {
      page->state = STabPage2::kStill;
    }
    page->countdown = kFrameTimeMs;
    tabBar()->update(tabBar()->tabRect(i));
  }
}

int STabCtrl2::itemDrawState(int index) const {
  if (index == currentIndex()) return 2;
  return index == hovered_ ? 1 : 0;
}

std::pair<const Skin*, int> STabCtrl2::itemIcon(int index) const {
  if (const STabPage2* page = page2(index)) {
    if (page->state == STabPage2::kIn && !page->aniIn.isNull()) return {&page->aniIn, page->frame};
    if (page->state == STabPage2::kOut && !page->aniOut.isNull()) return {&page->aniOut, page->frame};
    if (!iconSkin_.isNull()) return {&iconSkin_, page->iconIndex() >= 0 ? page->iconIndex() : index};
  }
  if (!iconSkin_.isNull()) return {&iconSkin_, index};
  return {nullptr, 0};
}

QSize STabCtrl2::itemSize(int index, QSize base) const {
  const auto [icon, state] = itemIcon(index);
  Q_UNUSED(state);
  QSize size = base;
  if (icon) size.rwidth() += icon->size().width() + iconX_;
  if (tabWidth_ > 0) size.setWidth(tabWidth_);
  if (tabHeight_ > 0) size.setHeight(tabHeight_);
  return size;
}

QRect STabCtrl2::itemRect(int index) const {
  QRect r = tabBar()->tabRect(index);
  if (index == currentIndex() && !interSkin_.isNull()) {
    const int inter = interSkin_.size().width();
    r.adjust(-inter, 0, inter, 0);
  }
  return r;
}

QRect STabCtrl2::interRect(int index) const {
  const int current = currentIndex();
  if (index <= 0 || interSkin_.isNull() || index == current || index == current + 1) return {};
  const QRect item = tabBar()->tabRect(index);
  const int inter = interSkin_.size().width();
  return QRect(item.left() - inter / 2, item.top(), inter, item.height());
}

void STabCtrl2::drawHeader(QPainter& painter) const {
  for (int i = 0; i < count(); ++i) {
    const QRect gap = interRect(i);
    if (!gap.isEmpty()) interSkin_.draw(painter, gap, 0);
    drawItem(painter, itemRect(i), i);
  }
}

void STabCtrl2::drawItem(QPainter& painter, const QRect& rect, int index) const {
  if (rect.isEmpty()) return;
  const int drawState = itemDrawState(index);
  if (!tabSkin_.isNull()) tabSkin_.draw(painter, rect, drawState);
  QRect textRect = rect;
  const auto [icon, iconState] = itemIcon(index);
  if (icon) {
    const QSize s = icon->size();
    const int top = iconY_ >= 0 ? rect.top() + iconY_ : rect.top() + (rect.height() - s.height()) / 2;
    const QRect box(rect.left() + iconX_, top, s.width(), s.height());
    icon->draw(painter, box, iconState);
    textRect.setLeft(box.right() + 1);
  }
  QFont font = painter.font();
  font.setBold(drawState == 2);
  painter.setFont(font);
  painter.setPen(drawState == 2 ? currentTextColor_ : drawState == 1 ? currentTextColor_.darker(115) : textColor_);
  painter.drawText(textRect, Qt::AlignCenter, tabText(index));
}

void STabCtrl2::paintEvent(QPaintEvent* event) {
  QTabWidget::paintEvent(event);
  QPainter painter(this);
  const int header = tabBar()->height();
  if (!headBg_.isNull()) headBg_.draw(painter, QRect(0, 0, width(), header), 0);
  if (!frameSkin_.isNull()) frameSkin_.draw(painter, QRect(0, header, width(), height() - header), 0);
}

}  // namespace kb
