#include "gui/QtTestApp.h"
#include "gui/TestSkins.h"
#include "ui/controls/SAnimImg.h"
#include "ui/controls/SCheckBoxEx.h"
#include "ui/controls/SEditEx.h"
#include "ui/controls/SRadioBoxEx.h"
#include "ui/controls/STabCtrl2.h"
#include "ui/controls/STabPage2.h"
#include "ui/toolkit/EventRouter.h"
#include "ui/toolkit/FrameTick.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWindow>

#include <gtest/gtest.h>

namespace kb {
namespace {

class Controls : public ::testing::Test {
 protected:
  QApplication& app = test::qtApp();
  QWidget host;
};

void enter(QWidget* w) {
  QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(w, &e);
}
void leave(QWidget* w) {
  QEvent e(QEvent::Leave);
  QCoreApplication::sendEvent(w, &e);
}

TEST_F(Controls, RadioTwoStateSkinShowsStateOneForHoverCheckedAndDisabled) {
  auto* radio = new SRadioBoxEx(&host);
  radio->setCheckSkin(test::statesSkin(2));
  EXPECT_EQ(radio->checkSkinState(), 0);
  enter(radio);
  EXPECT_EQ(radio->checkSkinState(), 1);
  leave(radio);
  radio->setChecked(true);
  EXPECT_EQ(radio->checkSkinState(), 1);
  radio->setChecked(false);
  host.setEnabled(false);  // a disabled parent counts
  EXPECT_EQ(radio->checkSkinState(), 1);
  host.setEnabled(true);

  // States by the skin's number of states: disabled, checked, hovered.
  radio->setCheckSkin(test::statesSkin(4));
  radio->setEnabled(false);
  EXPECT_EQ(radio->checkSkinState(), 3);
  radio->setCheckSkin(test::statesSkin(3));
  EXPECT_EQ(radio->checkSkinState(), 2);
  radio->setEnabled(true);
  radio->setChecked(true);
  EXPECT_EQ(radio->checkSkinState(), 2);
  radio->setCheckSkin(test::statesSkin(1));
  EXPECT_EQ(radio->checkSkinState(), 0);
}

TEST_F(Controls, RadioPushedStateChangesTheIconNotTheCheckMark) {
  auto* radio = new SRadioBoxEx(&host);
  radio->setCheckSkin(test::statesSkin(4));
  radio->setIconSkin(test::statesSkin(8));
  radio->setDown(true);
  EXPECT_EQ(radio->checkSkinState(), 0);
  EXPECT_EQ(radio->iconState(), 2);
  radio->setDown(false);
  radio->setChecked(true);
  enter(radio);
  EXPECT_EQ(radio->iconState(), 5);
  radio->setEnabled(false);
  EXPECT_EQ(radio->iconState(), 7);
}

TEST_F(Controls, RadioIconAndTextOffsets) {
  auto* radio = new SRadioBoxEx(&host);
  radio->setGeometry(0, 0, 100, 30);
  radio->setIconSkin(test::statesSkin(8, QSize(16, 12)));
  radio->setIconPosText(QStringLiteral("4,3"));
  radio->setTextXText(QStringLiteral("0x2"));
  EXPECT_EQ(radio->iconRect(), QRect(4, (30 - 12) / 2 + 3, 16, 12));
  EXPECT_EQ(radio->textRect().left(), 2 + 4 + 16);
  EXPECT_EQ(radio->textRect().top(), 6);  // twice the icon's y offset

  // No icon skin: the text is not shifted by an icon width.
  auto* plain = new SRadioBoxEx(&host);
  plain->setGeometry(0, 0, 100, 30);
  plain->setIconSkinName(QStringLiteral("no such skin"));
  plain->setTextXText(QStringLiteral("5"));
  EXPECT_EQ(plain->textRect().left(), 5);
}

TEST_F(Controls, RadioGravity) {
  auto* radio = new SRadioBoxEx(&host);
  radio->setGeometry(0, 0, 41, 31);
  radio->setCheckSkin(test::statesSkin(3, QSize(10, 10)));
  EXPECT_EQ(radio->checkMarkRect(), QRect(0, 0, 41, 31));
  EXPECT_TRUE(radio->setGravity(QStringLiteral("center")));
  EXPECT_EQ(radio->checkMarkRect(), QRect(15, 10, 10, 10));
  EXPECT_FALSE(radio->setGravity(QStringLiteral("middle")));
  EXPECT_EQ(radio->gravity(), SRadioBoxEx::kGravityCenter);
  EXPECT_TRUE(radio->setGravity(QStringLiteral("bottom")));
  EXPECT_EQ(radio->checkMarkRect(), QRect(0, 0, 41, 31));
}

TEST_F(Controls, CheckBoxWithoutSkinHasNoGlyphAndShiftsItsText) {
  auto* check = new SCheckBoxEx(&host);
  check->setGeometry(0, 0, 120, 24);
  check->setIconSkin(test::statesSkin(8, QSize(16, 16)));
  check->setIconPosText(QStringLiteral("4,2"));
  check->setTextXText(QStringLiteral("3"));
  EXPECT_EQ(check->checkSkinState(), -1);
  EXPECT_EQ(check->iconState(), -1);
  EXPECT_EQ(check->textRect().left(), 23);
  EXPECT_EQ(check->textRect().top(), 2);
  EXPECT_EQ(check->iconRect(), QRect(4, 2, 16, 16));

  check->setCheckSkin(test::statesSkin(4, QSize(90, 28)));
  EXPECT_EQ(check->sizeHint(), QSize(90, 28));
  check->setChecked(true);
  EXPECT_EQ(check->checkSkinState(), 3);  // the skin's last state
  EXPECT_EQ(check->iconState(), 4);
  enter(check);
  EXPECT_EQ(check->checkSkinState(), 1);
  check->setDown(true);
  EXPECT_EQ(check->checkSkinState(), 2);
}

TEST_F(Controls, EditEnterIsAnEventAndNeverReachesTheEdit) {
  auto* edit = new SEditEx(&host);
  edit->setObjectName(QStringLiteral("key_delay"));
  edit->setText(QStringLiteral("10"));
  EventRouter router;
  router.attach(&host);
  std::vector<UiEvent> events;
  router.setHostHandler([&](UiEvent& e) {
    if (e.id == kEvtKeyEnter) events.push_back(e);
  });
  int returnPressed = 0;
  QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returnPressed; });

  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, QString(), true);
  QCoreApplication::sendEvent(edit, &press);
  QCoreApplication::sendEvent(edit, &repeat);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].senderName, QStringLiteral("key_delay"));
  EXPECT_EQ(uiEventName(events[0].id), QStringLiteral("on_key_enter"));
  EXPECT_EQ(edit->text(), QStringLiteral("10"));
  EXPECT_EQ(returnPressed, 0);

  QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  QCoreApplication::sendEvent(edit, &digit);
  EXPECT_EQ(edit->text(), QStringLiteral("105"));
}

TEST_F(Controls, ClickOnADisabledEditEnablesItWithoutMovingTheCaret) {
  auto* edit = new SEditEx(&host);
  edit->setGeometry(0, 0, 120, 24);
  edit->setText(QStringLiteral("12345"));
  edit->setCursorPosition(5);
  edit->setEnabled(false);
  QMouseEvent down(QEvent::MouseButtonPress, QPointF(2, 5), QPointF(2, 5), Qt::LeftButton, Qt::LeftButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(edit, &down);
  EXPECT_TRUE(edit->isEnabled());
  EXPECT_EQ(edit->cursorPosition(), 5);

  // The same through the window, as a real click arrives.
  edit->setEnabled(false);
  host.resize(200, 60);
  host.show();
  QMouseEvent windowDown(QEvent::MouseButtonPress, QPointF(4, 5), QPointF(4, 5), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
  QCoreApplication::sendEvent(host.windowHandle(), &windowDown);
  EXPECT_TRUE(edit->isEnabled());

  // Disabled through its parent only: the edit's own flag is clear, so nothing changes.
  host.setEnabled(false);
  QCoreApplication::sendEvent(edit, &down);
  EXPECT_FALSE(edit->isEnabled());
  host.setEnabled(true);
}

// Ticks of the frame tick until `ms` milliseconds have passed.
void run(FrameTick* tick, int ms) {
  for (int t = 0; t < ms; t += FrameTick::kIntervalMs) tick->tick();
}

class Animation : public Controls {
 protected:
  SAnimImg* make(int autorun, bool withOut = true) {
    auto* img = new SAnimImg(&host);
    img->setAniIn(test::statesSkin(4));
    if (withOut) img->setAniOut(test::statesSkin(3));
    img->setIntervalText(QStringLiteral("50"));
    img->setAutorunText(QString::number(autorun));
    img->onLayoutCreated();
    return img;
  }
  FrameTick* tick() { return FrameTick::of(&host); }
};

TEST_F(Animation, HoverPlaysInHoldsTheLastFrameAndPlaysOutAfterLeaving) {
  SAnimImg* img = make(-1);
  EXPECT_EQ(img->sizeHint(), QSize(16, 16));
  enter(img);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingIn);
  run(tick(), 40);
  EXPECT_EQ(img->frame(), 0);  // interval 50: five ticks a frame
  run(tick(), 10);
  EXPECT_EQ(img->frame(), 1);
  run(tick(), 500);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingIn);
  EXPECT_EQ(img->frame(), 3);  // held while hovered
  leave(img);
  run(tick(), 50);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingOut);
  EXPECT_EQ(img->frame(), 0);
  run(tick(), 100);
  EXPECT_EQ(img->frame(), 2);
  run(tick(), 50);
  EXPECT_EQ(img->state(), SAnimImg::kIdle);
}

TEST_F(Animation, LeavingDuringInWaitsForTheLastInFrame) {
  SAnimImg* img = make(-1);
  enter(img);
  run(tick(), 50);
  leave(img);
  run(tick(), 100);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingIn);
  EXPECT_EQ(img->frame(), 3);
  run(tick(), 50);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingOut);
}

TEST_F(Animation, WithoutOutTheLastInFrameStays) {
  SAnimImg* img = make(-1, false);
  enter(img);
  leave(img);
  run(tick(), 1000);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingIn);
  EXPECT_EQ(img->frame(), 3);
}

TEST_F(Animation, AutorunPlaysAfterItsDelayAndAgainAfterEachRun) {
  SAnimImg* img = make(3);
  EXPECT_TRUE(img->autorunPending());
  run(tick(), 2990);
  EXPECT_EQ(img->state(), SAnimImg::kIdle);
  run(tick(), 10);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingIn);
  run(tick(), 200);  // four frames
  EXPECT_EQ(img->state(), SAnimImg::kIdle);
  EXPECT_TRUE(img->autorunPending());
  // The countdown starts in the tick that ended the run.
  run(tick(), 2980);
  EXPECT_EQ(img->state(), SAnimImg::kIdle);
  run(tick(), 10);
  EXPECT_EQ(img->state(), SAnimImg::kPlayingIn);
}

TEST_F(Animation, TabHeaderIconsAnimateOnHoverAndLeave) {
  auto* tabs = new STabCtrl2(&host);
  auto* animated = new STabPage2;
  animated->setAniIn(test::statesSkin(4));
  animated->setAniOut(test::statesSkin(4));
  auto* still = new STabPage2;
  tabs->addTab(animated, QStringLiteral("Macro"));
  tabs->addTab(still, QStringLiteral("Single key"));
  tabs->addTab(new QWidget, QStringLiteral("Plain"));
  tabs->onLayoutCreated();

  EventRouter router;
  router.attach(&host);
  std::vector<int> seen;
  router.setHostHandler([&](UiEvent& e) {
    if (e.id == kEvtTabItemHover || e.id == kEvtTabItemLeave) seen.push_back(e.id * 10 + e.value);
  });

  emit tabs->itemHovered(0);
  EXPECT_EQ(animated->state, STabPage2::kIn);
  run(tick(), 40);
  EXPECT_EQ(animated->frame, 0);
  run(tick(), 10);
  EXPECT_EQ(animated->frame, 1);
  run(tick(), 500);
  EXPECT_EQ(animated->frame, 3);  // held
  EXPECT_EQ(animated->state, STabPage2::kIn);

  emit tabs->itemLeft(0);
  EXPECT_EQ(animated->state, STabPage2::kOut);
  EXPECT_EQ(animated->frame, 0);
  run(tick(), 100);
  EXPECT_EQ(animated->frame, 2);
  EXPECT_EQ(animated->state, STabPage2::kOut);
  run(tick(), 50);  // the last "out" frame is not shown
  EXPECT_EQ(animated->state, STabPage2::kStill);

  emit tabs->itemHovered(1);  // a page without frames falls back at its first step
  EXPECT_EQ(still->state, STabPage2::kIn);
  run(tick(), 50);
  EXPECT_EQ(still->state, STabPage2::kStill);
  emit tabs->itemHovered(2);  // not a "page2": nothing to animate
  EXPECT_EQ(seen, (std::vector<int>{110020, 110030, 110021, 110022}));
}

TEST_F(Animation, TabHeaderReportsTheItemUnderTheMouse) {
  auto* tabs = new STabCtrl2(&host);
  tabs->addTab(new STabPage2, QStringLiteral("One"));
  tabs->addTab(new STabPage2, QStringLiteral("Two"));
  tabs->resize(300, 200);
  tabs->onLayoutCreated();
  host.show();
  std::vector<std::pair<char, int>> seen;
  QObject::connect(tabs, &STabCtrl2::itemHovered, [&](int i) { seen.emplace_back('h', i); });
  QObject::connect(tabs, &STabCtrl2::itemLeft, [&](int i) { seen.emplace_back('l', i); });
  QTabBar* bar = tabs->tabBar();
  const QPoint second = bar->tabRect(1).center();
  QMouseEvent move(QEvent::MouseMove, second, bar->mapToGlobal(second), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(bar, &move);
  EXPECT_EQ(tabs->hoveredItem(), 1);
  EXPECT_EQ(tabs->itemDrawState(1), 1);
  EXPECT_EQ(tabs->itemDrawState(0), 2);  // current
  leave(bar);
  EXPECT_EQ(seen, (std::vector<std::pair<char, int>>{{'h', 1}, {'l', 1}}));
}

TEST_F(Controls, TabInterSkinSitsBetweenItemsAwayFromTheCurrentOne) {
  auto* tabs = new STabCtrl2(&host);
  for (const char* title : {"One", "Two", "Three", "Four"}) tabs->addTab(new STabPage2, QString::fromLatin1(title));
  tabs->resize(600, 200);
  host.show();
  EXPECT_TRUE(tabs->interRect(2).isEmpty());  // no inter-tab skin
  tabs->setInterSkin(test::statesSkin(1, QSize(6, 20)));
  tabs->setCurrentIndex(1);
  QTabBar* bar = tabs->tabBar();
  EXPECT_TRUE(tabs->interRect(0).isEmpty());
  EXPECT_TRUE(tabs->interRect(1).isEmpty());  // the current item
  EXPECT_TRUE(tabs->interRect(2).isEmpty());  // right after it
  EXPECT_EQ(tabs->interRect(3), QRect(bar->tabRect(3).left() - 3, bar->tabRect(3).top(), 6, bar->tabRect(3).height()));
  EXPECT_EQ(tabs->itemRect(1), bar->tabRect(1).adjusted(-6, 0, 6, 0));
  EXPECT_EQ(tabs->itemRect(2), bar->tabRect(2));
}

}  // namespace
}  // namespace kb
