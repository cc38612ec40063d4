#pragma once

#include "ui/toolkit/LayoutCreated.h"
#include "ui/toolkit/XmlMenu.h"

#include <QIcon>
#include <QList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QMenu;

namespace kb {

// Puts the application's icon into the desktop's notification area and connects it to
// the window that holds the control: a click shows or hides that window, a right click
// opens the control's menu, whose commands reach the host as command(id). The control
// itself is invisible; its settings are layout attributes. Tag "shellnotifyicon".
class SShellNotifyIcon : public QWidget, public ILayoutCreated {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "shellnotifyicon")
  Q_PROPERTY(QString ico READ iconList WRITE setIconListText)
  Q_PROPERTY(QString tip READ tip WRITE setTipText)
  Q_PROPERTY(QString menu READ menuName WRITE setMenuText)
  Q_PROPERTY(QString deficoidx READ defaultIconText WRITE setDefaultIconText)
  Q_PROPERTY(QString startframe READ startFrameText WRITE setStartFrameText)
  Q_PROPERTY(QString duration READ durationText WRITE setDurationText)

 public:
  // The longest tooltip the notification area shows.
  static constexpr int kMaxTipLength = 127;

  explicit SShellNotifyIcon(QWidget* parent = nullptr);
  ~SShellNotifyIcon() override;

  // "name[:size];..." icon resources; false when none of them loads (the list is then empty).
  bool loadIcons(const QString& list);
  // An empty text changes nothing (false). Before set-up the text is stored; afterwards it
  // also updates the icon's tooltip at once.
  bool setTip(const QString& text);
  // Loads the menu resource and takes its kind from its root; false (nothing changed)
  // when it does not load.
  bool loadMenu(const QString& resourceName);

  QString iconList() const { return iconList_; }
  void setIconListText(const QString& list) { loadIcons(list); }
  QString tip() const { return tip_; }
  void setTipText(const QString& text) { setTip(text); }
  QString menuName() const { return menu_; }
  void setMenuText(const QString& name) { loadMenu(name); }
  QString defaultIconText() const { return QString::number(defaultIcon_); }
  void setDefaultIconText(const QString& text);
  QString startFrameText() const { return QString::number(startFrame_); }
  void setStartFrameText(const QString& text);
  QString durationText() const { return QString::number(duration_); }
  void setDurationText(const QString& text);

  // Set-up: picks the icon and shows it in the notification area.
  void onLayoutCreated() override;

  // The host sees every activation first; returning true keeps the default handling out.
  void setHostFilter(std::function<bool(QSystemTrayIcon::ActivationReason)> filter) { hostFilter_ = std::move(filter); }
  // Left click toggles the host window; right click opens the menu.
  void activate(QSystemTrayIcon::ActivationReason reason);

  // Plays the icon list as an animation, one icon per duration, from the start frame.
  void startAnimation();
  void stopAnimation();
  void stepAnimation();

  int iconCount() const { return static_cast<int>(icons_.size()); }
  int defaultIconIndex() const { return defaultIcon_; }
  int frame() const { return frame_; }
  MenuKind menuKind() const { return menuKind_; }
  // The icon shown now (null before set-up).
  QIcon currentIcon() const { return tray_ ? tray_->icon() : QIcon(); }
  QSystemTrayIcon* trayIcon() const { return tray_.get(); }
  // The menu the last right click built (for the host and tests).
  QMenu* lastMenu() const { return menuWidget_; }

 signals:
  void command(int id);

 private:
  void showMenu();

  QList<QIcon> icons_;
  QString iconList_;
  QString tip_;
  QString menu_;
  MenuKind menuKind_ = MenuKind::None;
  int defaultIcon_ = 0;
  int frame_ = 0;
  int startFrame_ = 1;
  int duration_ = 200;
  std::unique_ptr<QSystemTrayIcon> tray_;
  QTimer animation_;
  QMenu* menuWidget_ = nullptr;
  std::function<bool(QSystemTrayIcon::ActivationReason)> hostFilter_;
};

}  // namespace kb
