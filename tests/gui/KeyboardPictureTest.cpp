#include "gui/QtTestApp.h"
#include "gui/TestSkins.h"
#include "ui/panel/CoordButtonImage.h"
#include "ui/panel/KeyPositionsFile.h"
#include "ui/panel/SSImage.h"
#include "ui/toolkit/Trace.h"

#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

namespace kb {
namespace {

std::string writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
  QFile f(dir.filePath(QString::fromLatin1(name)));
  f.open(QIODevice::WriteOnly);
  f.write(text);
  return f.fileName().toStdString();
}

TEST(KeyPositions, ReadsKeysWithDefaultsAndRejectsBadFiles) {
  QTemporaryDir dir;
  const std::string good = writeFile(dir, "good.xml",
                                     "<positions>"
                                     "<key id='5' value='7' index='3' name='Esc' rect='55, 96, 38, 38' bground='255' fground='4278190335'/>"
                                     "<!-- a comment is no key -->"
                                     "<key name='plain'/>"
                                     "<key id='x' rect='1,2'/>"
                                     "</positions>");
  const auto keys = readKeyPositions(good);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].id, 5);
  EXPECT_EQ(keys[0].value, 7);
  EXPECT_EQ(keys[0].index, 3);
  EXPECT_EQ(keys[0].position, 0);
  EXPECT_EQ(keys[0].name, "Esc");
  EXPECT_EQ(keys[0].rect, (KeyRect{55, 96, 93, 134}));
  EXPECT_TRUE(keys[0].rect.contains(92, 133));
  EXPECT_FALSE(keys[0].rect.contains(93, 100));
  EXPECT_EQ(keys[0].background, 255u);
  EXPECT_EQ(keys[0].foreground, 0xFF0000FFu);
  EXPECT_EQ(keys[1].id, -1);
  EXPECT_EQ(keys[1].value, -1);
  EXPECT_EQ(keys[1].index, -1);
  EXPECT_EQ(keys[1].position, 1);
  EXPECT_EQ(keys[1].rect, KeyRect{});
  EXPECT_EQ(keys[1].background, 0u);
  EXPECT_EQ(keys[2].id, 0);  // not a number
  EXPECT_EQ(keys[2].rect, (KeyRect{1, 2, 1, 2}));

  EXPECT_TRUE(readKeyPositions(writeFile(dir, "bad.xml", "<positions><key")).empty());
  EXPECT_TRUE(readKeyPositions(writeFile(dir, "other.xml", "<keys><key id='1'/></keys>")).empty());
  EXPECT_TRUE(readKeyPositions(dir.filePath(QStringLiteral("missing.xml")).toStdString()).empty());
}

TEST(KeyPositions, RectTextGivesAWellFormedRectForAnyNumbers) {
  struct Case {
    const char* text;
    KeyRect rect;
  };
  constexpr int kMax = 2147483647;
  constexpr int kMin = -kMax - 1;
  for (const Case& c : {Case{" 55, 96 ,38,38", {55, 96, 93, 134}}, Case{"-5,-6,10,12", {-5, -6, 5, 6}},
                        Case{"1,2,3", {1, 2, 4, 2}}, Case{"7;8,9,9", {7, 0, 7, 0}}, Case{"", {}},
                        // Sizes that reach past the int range stop at its end instead of wrapping.
                        Case{"2147483000,0,1000,10", {2147483000, 0, kMax, 10}},
                        Case{"0,-2147483000,5,-1000", {0, -2147483000, 5, kMin}},
                        Case{"99999999999,0,1,1", {kMax, 0, kMax, 1}}}) {
    EXPECT_EQ(parseKeyRect(c.text), c.rect) << c.text;
  }
}

TEST(KeyPositions, OnlyRegularFilesAreRead) {
  QTemporaryDir dir;
  EXPECT_TRUE(readKeyPositions(dir.path().toStdString()).empty());
  // A named pipe with no writer would block the reader for good.
  const std::string pipe = dir.filePath(QStringLiteral("pipe.xml")).toStdString();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  auto reading = std::async(std::launch::async, [&] { return readKeyPositions(pipe); });
  const bool finished = reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!finished) ::close(::open(pipe.c_str(), O_WRONLY));  // release the blocked reader
  EXPECT_TRUE(finished);
  EXPECT_TRUE(reading.get().empty());
}

// Records what a picture reports.
struct Owner {
  struct Click {
    int id, position, released, x, y;
  };
  std::vector<Click> clicks;
  std::vector<std::vector<CoordButtonInfo>> selections;
  int answer = 0;

  int onClick(int id, int position, CoordButtonInfo* key, int released, int, int x, int y) {
    EXPECT_NE(key, nullptr);
    clicks.push_back({id, position, released, x, y});
    return answer;
  }
  void onSelection(std::vector<CoordButtonInfo> keys) { selections.push_back(std::move(keys)); }
  std::vector<int> lastSelectionIds() const {
    std::vector<int> ids;
    if (!selections.empty()) {
      for (const auto& k : selections.back()) ids.push_back(k.id);
    }
    return ids;
  }
};

CoordButtonInfo key(int id, KeyRect rect, int position) {
  CoordButtonInfo k;
  k.id = id;
  k.rect = rect;
  k.position = position;
  k.name = "key" + std::to_string(id);
  return k;
}

// A picture at (10, 20) inside a host window, with keys:
//   1 at (0,0)-(20,20), 2 at (10,0)-(30,20) overlapping it, 3 at (40,0)-(60,20),
//   4 at (0,30)-(20,50), and a second key with id 3 at (40,30)-(60,50).
class Picture : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    host.resize(200, 120);
    picture = new CoordButtonImage(&host);
    picture->setGeometry(10, 20, 100, 60);
    picture->keys() = {key(1, {0, 0, 20, 20}, 0), key(2, {10, 0, 30, 20}, 1), key(3, {40, 0, 60, 20}, 2),
                       key(4, {0, 30, 20, 50}, 3), key(3, {40, 30, 60, 50}, 4)};
    picture->setListener(std::make_unique<ListenerProxy<Owner>>(&owner, &Owner::onClick, &Owner::onSelection));
    picture->onLayoutCreated();
  }

  // Points in the picture's own coordinates, sent as host coordinates.
  void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { send(QEvent::MouseButtonPress, p, b); }
  void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { send(QEvent::MouseButtonRelease, p, b); }
  void move(QPoint p) { send(QEvent::MouseMove, p, Qt::NoButton); }
  void send(QEvent::Type t, QPoint p, Qt::MouseButton b) { picture->hostMouseEvent(t, p + QPoint(10, 20), b); }
  const CoordButtonInfo& k(int position) { return picture->keys()[position]; }

  Owner owner;  // outlives the picture, which reports to it until it goes
  QApplication& app = test::qtApp();  // before any widget
  QWidget host;
  CoordButtonImage* picture = nullptr;
};

TEST_F(Picture, FirstKeyInListOrderWinsOverlappingHits) {
  press({15, 5});
  ASSERT_EQ(owner.clicks.size(), 1u);
  EXPECT_EQ(owner.clicks[0].id, 1);
  EXPECT_EQ(owner.clicks[0].released, 0);
  EXPECT_EQ(owner.clicks[0].x, 15);
  EXPECT_EQ(owner.clicks[0].y, 5);
  EXPECT_EQ(picture->pressedId(), 1);
  release({25, 5});  // only key 2 is here: the pressed key is not, so no click
  EXPECT_EQ(owner.clicks.size(), 1u);
  press({25, 5});
  release({25, 5});
  ASSERT_EQ(owner.clicks.size(), 3u);
  EXPECT_EQ(owner.clicks[2].id, 2);
  EXPECT_EQ(owner.clicks[2].released, 1);
  EXPECT_EQ(picture->pressedId(), -1);
}

TEST_F(Picture, PressMoveOffReleaseElsewhereReportsNoClick) {
  press({5, 35});
  move({80, 40});
  release({80, 40});
  ASSERT_EQ(owner.clicks.size(), 1u);
  EXPECT_EQ(owner.clicks[0].released, 0);
  // A click between keys sets the pressed id to none, and its release reports nothing.
  press({35, 25});
  EXPECT_EQ(picture->pressedId(), -1);
  release({35, 25});
  EXPECT_EQ(owner.clicks.size(), 1u);
}

TEST_F(Picture, ClickSelectionTypes) {
  picture->setTypeText(QStringLiteral("1"));
  press({5, 35});
  release({5, 35});
  press({45, 5});
  release({45, 5});
  // Single: only the last clicked key is marked; of two keys with id 3 the first.
  EXPECT_FALSE(k(3).marked);
  EXPECT_TRUE(k(2).marked);
  EXPECT_FALSE(k(4).marked);

  picture->setTypeText(QStringLiteral("0x2"));
  EXPECT_EQ(picture->clickType(), 2);
  press({5, 35});
  release({5, 35});
  EXPECT_TRUE(k(2).marked);
  EXPECT_TRUE(k(3).marked);
  press({5, 35});  // toggles back
  EXPECT_FALSE(k(3).marked);

  owner.answer = 1;  // the owner handled it: no click selection
  press({5, 35});
  EXPECT_FALSE(k(3).marked);

  picture->setTypeText(QStringLiteral("junk"));
  EXPECT_EQ(picture->clickType(), 0);
}

TEST_F(Picture, HoverFollowsTheMouseAndActsOnTheFirstKeyWithAnId) {
  move({45, 35});  // the second key with id 3
  EXPECT_EQ(picture->hoverId(), 3);
  EXPECT_TRUE(k(4).hover);
  EXPECT_EQ(picture->currentTip(), QStringLiteral("key3"));
  move({5, 5});
  EXPECT_EQ(picture->hoverId(), 1);
  EXPECT_TRUE(k(0).hover);
  move({35, 25});
  EXPECT_EQ(picture->hoverId(), -1);
  EXPECT_FALSE(k(0).hover);
  EXPECT_TRUE(picture->currentTip().isEmpty());
}

TEST_F(Picture, SelectionModeClickTogglesAndReportsTheWholeSet) {
  picture->setSelectText(QStringLiteral("true"));
  press({5, 35});
  release({5, 35});
  ASSERT_EQ(owner.selections.size(), 1u);
  EXPECT_EQ(owner.lastSelectionIds(), std::vector<int>{4});
  press({45, 5});
  release({45, 5});
  EXPECT_EQ(owner.lastSelectionIds(), (std::vector<int>{3, 4}));
  press({45, 5});
  release({45, 5});
  EXPECT_EQ(owner.lastSelectionIds(), std::vector<int>{4});
  // A release between keys reports too (the set is unchanged).
  press({35, 25});
  release({35, 25});
  EXPECT_EQ(owner.selections.size(), 4u);
}

TEST_F(Picture, BandsCheckCoveredKeysOnlyWhenDraggedForward) {
  picture->setSelectText(QStringLiteral("1"));
  press({-1, -1});
  move({61, 21});  // covers keys 1, 2, 3 whole (corners inside, right/bottom exclusive)
  EXPECT_TRUE(k(0).checked && k(1).checked && k(2).checked);
  EXPECT_FALSE(k(3).checked);
  release({61, 21});
  EXPECT_EQ(owner.lastSelectionIds(), (std::vector<int>{1, 2, 3}));

  for (auto& kk : picture->keys()) kk.checked = false;
  press({61, 51});
  move({-1, -1});  // dragged backwards: the band holds nothing
  for (const auto& kk : picture->keys()) EXPECT_FALSE(kk.checked);
}

TEST_F(Picture, RightBandUnchecksAtOnceButIsReportedLate) {
  picture->setSelectMode(true);
  for (auto& kk : picture->keys()) kk.checked = true;
  press({-1, -1}, Qt::RightButton);
  move({31, 21});
  EXPECT_FALSE(k(0).checked);
  EXPECT_FALSE(k(1).checked);
  EXPECT_TRUE(k(2).checked);
  release({31, 21}, Qt::RightButton);
  EXPECT_TRUE(owner.selections.empty());
  // The next left release reports it.
  press({35, 25});
  release({35, 25});
  ASSERT_EQ(owner.selections.size(), 1u);
  EXPECT_EQ(owner.lastSelectionIds(), (std::vector<int>{3, 4, 3}));
  // So does the mouse leaving the host.
  picture->hostMouseEvent(QEvent::Leave, {}, Qt::NoButton);
  EXPECT_EQ(owner.selections.size(), 2u);
  EXPECT_FALSE(picture->leftDown());
  EXPECT_FALSE(picture->rightDown());
}

TEST_F(Picture, DisabledPictureReportsNoSelection) {
  picture->setSelectMode(true);
  picture->setEnabled(false);
  press({5, 5});
  release({5, 5});
  EXPECT_TRUE(k(0).checked);
  EXPECT_TRUE(owner.selections.empty());
}

// The four skin states are solid colours chosen so that the bitwise OR is recognisable.
class PicturePainting : public Picture {
 protected:
  void SetUp() override {
    Picture::SetUp();
    picture->setGeometry(0, 0, 100, 60);
    picture->setSkin(test::solidSkin(QSize(100, 60), {QColor(0x10, 0x10, 0x10), QColor(0x00, 0xC0, 0x00),
                                                      QColor(0xC0, 0x00, 0x00), QColor(0x00, 0x00, 0x80)}));
  }
  QColor at(QPoint p) { return picture->render().pixelColor(p); }
};

TEST_F(PicturePainting, StatesAreCombinedByBitwiseOr) {
  picture->keys()[0].hover = true;
  picture->keys()[3].marked = true;
  picture->keys()[2].disabled = true;
  picture->keys()[2].hover = true;  // disabled suppresses hover
  EXPECT_EQ(at({5, 5}), QColor(0x10, 0xD0, 0x10));
  EXPECT_EQ(at({5, 35}), QColor(0xD0, 0x10, 0x10));
  EXPECT_EQ(at({45, 5}), QColor(0x10, 0x10, 0x90));
  EXPECT_EQ(at({35, 25}), QColor(0x10, 0x10, 0x10));
}

TEST_F(PicturePainting, ColoursFramesAndTheDisabledState) {
  picture->keys()[3].background = 0xFF0000FF;  // red, opaque
  picture->keys()[4].foreground = 0xFFFF0000;  // blue, opaque
  EXPECT_EQ(at({5, 35}), QColor(0xFF, 0, 0));
  EXPECT_EQ(at({45, 35}), QColor(0, 0, 0xFF));
  picture->setDrawForegrounds(false);
  EXPECT_EQ(at({45, 35}), QColor(0x10, 0x10, 0x10));

  picture->keys()[0].marked = true;
  picture->keys()[0].hover = true;
  picture->setEnabled(false);
  EXPECT_EQ(at({5, 5}), QColor(0x00, 0x00, 0x80));      // state 3 over everything, no hover or mark
  EXPECT_EQ(at({35, 25}), QColor(0x00, 0x00, 0x80));

  picture->setEnabled(true);
  picture->setSelectMode(true);
  picture->keys()[2].checked = true;
  int white = 0;  // the dashed frame along the key's left edge
  const QImage shot = picture->render();
  for (int y = 0; y < 20; ++y) white += shot.pixelColor(39, y) == QColor(Qt::white);
  EXPECT_GT(white, 4);
}

TEST_F(PicturePainting, APressDrawsNoBandUntilTheMouseMoves) {
  picture->setGeometry(10, 20, 100, 60);  // where the fixture's points land
  picture->setSelectMode(true);
  press({0, 0});
  move({99, 59});
  release({99, 59});
  move({45, 5});  // over a key: the last drag point is kept for the next band
  for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
    const QImage before = picture->render();
    press({25, 25}, button);
    EXPECT_EQ(picture->render(), before) << button;
    release({25, 25}, button);
  }
}

TEST_F(PicturePainting, SingleStateSkinDrawsNoKeyStates) {
  picture->setSkin(test::solidSkin(QSize(100, 60), {QColor(0x10, 0x10, 0x10)}));
  picture->keys()[0].hover = true;
  picture->keys()[1].marked = true;
  picture->keys()[2].disabled = true;
  for (QPoint p : {QPoint(5, 5), QPoint(25, 5), QPoint(45, 5)}) EXPECT_EQ(at(p), QColor(0x10, 0x10, 0x10));
  picture->setEnabled(false);
  EXPECT_EQ(at({5, 5}), QColor(0x10, 0x10, 0x10));
}

TEST_F(Picture, FollowsTheHostWindowsMouseEvents) {
  auto* other = new QWidget(&host);  // a widget lying over the picture does not hide the events
  other->setGeometry(0, 0, 200, 120);
  host.show();
  ASSERT_TRUE(picture->isTracking());
  QWindow* window = host.windowHandle();
  QMouseEvent moveEvent(QEvent::MouseMove, QPointF(15, 25), QPointF(15, 25), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &moveEvent);
  EXPECT_EQ(picture->hoverId(), 1);
  picture->hide();  // while hidden the picture ignores the host
  QMouseEvent moveAway(QEvent::MouseMove, QPointF(55, 25), QPointF(55, 25), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &moveAway);
  EXPECT_EQ(picture->hoverId(), 1);
}

TEST(PictureHost, TranslucentHostLeavesThePictureInert) {
  test::qtApp();
  QStringList traced;
  const TraceSink previous = setTraceSink([&](const QString& m) { traced << m; });
  QWidget host;
  host.setAttribute(Qt::WA_TranslucentBackground);
  auto* picture = new CoordButtonImage(&host);
  picture->onLayoutCreated();
  host.show();
  EXPECT_FALSE(picture->isTracking());
  EXPECT_EQ(traced, QStringList{QStringLiteral("warning!!! create iectrl failed bacause of host is translucent!")});
  setTraceSink(previous);
}

struct PickOwner {
  std::vector<std::uint32_t> pixels;
  std::vector<QPoint> points;
  void onPick(std::uintptr_t, int x, int y, std::uint32_t* pixel) {
    pixels.push_back(*pixel);
    points.emplace_back(x, y);
  }
};

TEST(ColourPicture, PicksThePixelUnderTheClickInsideTheSkinOnly) {
  test::qtApp();
  QWidget host;
  auto* image = new SSImage(&host);
  image->setGeometry(5, 5, 40, 20);  // larger than its 20 x 10 skin
  QPixmap skinImage(20, 10);
  skinImage.fill(Qt::transparent);
  {
    QPainter p(&skinImage);
    p.fillRect(0, 0, 10, 10, QColor(255, 0, 0));
    p.fillRect(10, 0, 5, 10, QColor(0, 0, 255, 128));
  }
  image->setSkin(Skin(skinImage, 1));
  PickOwner owner;
  image->setPickCallback(std::make_unique<SSImage::FuncProxy<PickOwner>>(&owner, &PickOwner::onPick));

  EXPECT_EQ(image->pick({5 + 3, 5 + 3}, 0), 0xFFFF0000u);  // red: blue byte lowest
  EXPECT_EQ(image->pick({5 + 12, 5 + 3}, 0), 0x80000080u); // premultiplied half blue
  EXPECT_EQ(image->pick({5 + 17, 5 + 3}, 0), 0u);          // transparent
  EXPECT_EQ(image->pick({5 + 30, 5 + 3}, 0), 0u);          // beyond the skin: still reported
  EXPECT_EQ(image->pick({5 - 1, 5 + 3}, 0), 0u);
  ASSERT_EQ(owner.pixels.size(), 5u);
  EXPECT_EQ(owner.points[0], QPoint(8, 8));

  // A real click goes the same way.
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(7, 7), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(image, &click);
  ASSERT_EQ(owner.pixels.size(), 6u);
  EXPECT_EQ(owner.pixels.back(), 0xFFFF0000u);
  EXPECT_EQ(owner.points.back(), QPoint(7, 7));
}

}  // namespace
}  // namespace kb
