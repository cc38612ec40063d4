#pragma once

#include "ui/panel/CoordButtonInfo.h"
#include "ui/toolkit/LayoutCreated.h"
#include "ui/toolkit/Skin.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <climits>
#include <memory>
#include <vector>

class QWindow;

namespace kb {

// The owner's side of a keyboard picture.
class IListenerProxy {
 public:
  virtual ~IListenerProxy() = default;
  // The checked keys, copied, in list order (possibly none).
  virtual void selectionChanged(std::vector<CoordButtonInfo> keys) = 0;
  // A press (released 0) or release (released 1) on a key; x, y relative to the picture.
  // Non-zero means the owner handled the press and no click selection is applied.
  virtual int click(int id, int position, CoordButtonInfo* key, int released, int reserved, int x, int y) = 0;
};

// Forwards to member functions of an owner; either member may be left out (an absent
// click member answers 0).
template <class Owner>
class ListenerProxy : public IListenerProxy {
 public:
  using ClickMember = int (Owner::*)(int, int, CoordButtonInfo*, int, int, int, int);
  using SelectionMember = void (Owner::*)(std::vector<CoordButtonInfo>);

  ListenerProxy(Owner* owner, ClickMember click, SelectionMember selection)
      : owner_(owner), click_(click), selection_(selection) {}

  void selectionChanged(std::vector<CoordButtonInfo> keys) override {
    if (owner_ && selection_) (owner_->*selection_)(std::move(keys));
  }
  int click(int id, int position, CoordButtonInfo* key, int released, int reserved, int x, int y) override {
    return owner_ && click_ ? (owner_->*click_)(id, position, key, released, reserved, x, y) : 0;
  }

 private:
  Owner* owner_;
  ClickMember click_;
  SelectionMember selection_;
};

// A picture of the keyboard whose rectangles are keys, read from a positions file. It
// follows the mouse through a filter on its host window (it sees the host's mouse events
// whatever widget lies under the cursor), tracks hover, pressed and selected keys, draws
// each key's state over the picture and reports clicks and selections to one listener.
// Tag "cbimg"; answers to "window" as well.
class CoordButtonImage : public QWidget, public ILayoutCreated {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "cbimg")
  Q_PROPERTY(QString select READ selectText WRITE setSelectText)
  Q_PROPERTY(QString type READ typeText WRITE setTypeText)
  Q_PROPERTY(QString skin READ skinName WRITE setSkinName)
  Q_PROPERTY(QString coords READ coords WRITE setCoords)

 public:
  enum ClickType { kClickNone = 0, kClickSingle = 1, kClickMultiple = 2 };
  // Toggling by this id toggles every key.
  static constexpr int kAllKeys = INT_MAX;

  explicit CoordButtonImage(QWidget* parent = nullptr);
  ~CoordButtonImage() override;

  // Layout attributes.
  QString selectText() const { return selectMode_ ? QStringLiteral("true") : QStringLiteral("false"); }
  void setSelectText(const QString& text);
  QString typeText() const { return QString::number(clickType_); }
  void setTypeText(const QString& text);
  QString skinName() const { return skinName_; }
  void setSkinName(const QString& name);
  QString coords() const { return coords_; }
  // Stored; the positions file is read once, when the layout is complete.
  void setCoords(const QString& coords) { coords_ = coords; }

  // Reads the positions file named by "coords" and joins the host's mouse events; with a
  // translucent host the control stays inert (the warning goes to the trace function).
  void onLayoutCreated() override;
  // Replaces the key list with the keys of a positions file.
  void loadKeys(const QString& path);
  // The file that "coords" names: resolved through the named strings, relative to the
  // application directory.
  QString positionsPath() const;

  // The panel reads and changes the keys in place, then calls update().
  std::vector<CoordButtonInfo>& keys() { return keys_; }
  const std::vector<CoordButtonInfo>& keys() const { return keys_; }
  void setSkin(const Skin& skin);
  const Skin& skin() const { return skin_; }
  void setSelectMode(bool on);
  bool selectMode() const { return selectMode_; }
  void setDrawBackgrounds(bool on);
  void setDrawForegrounds(bool on);
  int clickType() const { return clickType_; }
  // Installs a listener; the previous one is freed.
  void setListener(std::unique_ptr<IListenerProxy> listener);
  bool isTracking() const { return !filteredWindow_.isNull(); }

  // One mouse event of the host window, in host client coordinates (what the filter feeds).
  void hostMouseEvent(QEvent::Type type, QPoint hostPoint, Qt::MouseButton button);

  // Tracking state.
  int hoverId() const { return hoverId_; }
  int pressedId() const { return pressedId_; }
  bool leftDown() const { return leftDown_; }
  bool rightDown() const { return rightDown_; }
  QString currentTip() const { return toolTip(); }

  // Renders the control as it paints itself.
  QImage render() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QPoint toRelative(QPoint hostPoint) const;
  QPoint clientOriginInHost() const;
  int keyAt(QPoint relative) const;
  int keyWithId(int id) const;
  bool bandCovers(QPoint from, QPoint to, const KeyRect& key) const;
  void toggleMarked(int id);
  void applyClickType(int id);
  void clearHover();
  void reportSelection();
  void joinHostEvents();

  void onLeftDown(QPoint p);
  void onLeftUp(QPoint p);
  void onMove(QPoint p);
  void onRightDown(QPoint p);
  void onRightUp();
  void onLeave();

  bool leftDown_ = false;
  bool rightDown_ = false;
  QPoint leftPress_{-1, -1};
  QPoint current_{-1, -1};
  QPoint rightPress_{-1, -1};
  int hoverId_ = -1;
  QString skinName_;
  Skin skin_;
  bool selectMode_ = false;
  bool drawBackgrounds_ = true;
  bool drawForegrounds_ = true;
  int pressedId_ = -1;
  std::vector<CoordButtonInfo> keys_;
  int clickType_ = kClickNone;
  QString coords_;
  bool keysRead_ = false;
  bool created_ = false;
  std::unique_ptr<IListenerProxy> listener_;
  QPointer<QWindow> filteredWindow_;
};

}  // namespace kb
