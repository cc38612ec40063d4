#include "ui/controls/SShellNotifyIcon.h"

#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/UiResources.h"

#include <QCursor>
#include <QMenu>
#include <QStringList>

namespace kb {

namespace {
const QString kLogoIcon = QStringLiteral("ICON_LOGO");
constexpr int kLogoSize = 16;

QIcon iconResource(const QString& name, int size) {
  const UiResources* res = UiResources::current();
  if (!res) return {};
  QIcon icon = res->icon(name);
  if (icon.isNull() || size <= 0) return icon;
  return QIcon(icon.pixmap(size, size));
}
}  // namespace

SShellNotifyIcon::SShellNotifyIcon(QWidget* parent) : QWidget(parent) {
  setVisible(false);
  setFixedSize(0, 0);
  connect(&animation_, &QTimer::timeout, this, &SShellNotifyIcon::stepAnimation);
}

SShellNotifyIcon::~SShellNotifyIcon() {
  if (tray_) tray_->hide();
  delete menuWidget_;
}

bool SShellNotifyIcon::loadIcons(const QString& list) {
  iconList_ = list;
  icons_.clear();
  for (const QString& item : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QStringList parts = item.split(QLatin1Char(':'));
    const QIcon icon = iconResource(parts[0].trimmed(), parts.size() > 1 ? parseIntAttribute(parts[1]) : 0);
    if (!icon.isNull()) icons_.append(icon);
  }
  return !icons_.isEmpty();
}

bool SShellNotifyIcon::setTip(const QString& text) {
  if (text.isEmpty()) return false;
  tip_ = text.left(kMaxTipLength);
  if (tray_) tray_->setToolTip(tip_);
  return true;
}

bool SShellNotifyIcon::loadMenu(const QString& resourceName) {
  const UiResources* res = UiResources::current();
  const QByteArray xml = res ? res->index().read(resourceName) : QByteArray();
  if (xml.isEmpty()) return false;
  menuKind_ = menuKindOf(xml);
  if (menuKind_ != MenuKind::None) menu_ = resourceName;
  return true;
}

void SShellNotifyIcon::setDefaultIconText(const QString& text) { defaultIcon_ = parseIntAttribute(text); }
void SShellNotifyIcon::setStartFrameText(const QString& text) { startFrame_ = parseIntAttribute(text); }

void SShellNotifyIcon::setDurationText(const QString& text) {
  duration_ = parseIntAttribute(text);
  animation_.setInterval(std::max(1, duration_));
}

void SShellNotifyIcon::onLayoutCreated() {
  if (static_cast<unsigned>(defaultIcon_) >= static_cast<unsigned>(icons_.size())) defaultIcon_ = 0;
  const QIcon icon = icons_.isEmpty() ? iconResource(kLogoIcon, kLogoSize) : icons_[defaultIcon_];
  tray_ = std::make_unique<QSystemTrayIcon>(icon);
  tray_->setToolTip(tip_);
  connect(tray_.get(), &QSystemTrayIcon::activated, this, &SShellNotifyIcon::activate);
  if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();
}

void SShellNotifyIcon::activate(QSystemTrayIcon::ActivationReason reason) {
  if (hostFilter_ && hostFilter_(reason)) return;
  QWidget* host = window();
  if (reason == QSystemTrayIcon::Trigger) {
    if (host->isVisible()) {
      host->hide();
    } else {
      host->showNormal();
      host->raise();
      host->activateWindow();
    }
  } else if (reason == QSystemTrayIcon::Context) {
    showMenu();
  }
}

void SShellNotifyIcon::showMenu() {
  if (menuKind_ == MenuKind::None) return;
  const UiResources* res = UiResources::current();
  if (!res) return;
  delete menuWidget_;
  menuWidget_ = buildMenu(res->index().read(menu_), nullptr, [this](int id) { emit command(id); });
  if (menuWidget_) menuWidget_->popup(QCursor::pos());
}

void SShellNotifyIcon::startAnimation() {
  animation_.setInterval(std::max(1, duration_));
  animation_.start();
}

void SShellNotifyIcon::stopAnimation() { animation_.stop(); }

void SShellNotifyIcon::stepAnimation() {
  if (icons_.isEmpty() || !tray_) return;
  if (frame_ >= icons_.size()) frame_ = startFrame_;
  if (frame_ >= 0 && frame_ < icons_.size()) tray_->setIcon(icons_[frame_]);
  ++frame_;
}

}  // namespace kb
