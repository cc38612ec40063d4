#pragma once

#include "ui/controls/IconTextParts.h"

#include <QRadioButton>

namespace kb {

// A radio button that can carry an icon beside its text, centre its check mark and
// shift its text. Tag "radioex"; answers to "radio" and "window" as well.
class SRadioBoxEx : public QRadioButton {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "radioex")
  Q_PROPERTY(QString skin READ skinName WRITE setSkinName)
  Q_PROPERTY(QString iconSkin READ iconSkinName WRITE setIconSkinName)
  Q_PROPERTY(QString iconPos READ iconPosText WRITE setIconPosText)
  Q_PROPERTY(QString textX READ textXText WRITE setTextXText)
  Q_PROPERTY(QString textY READ textYText WRITE setTextYText)
  Q_PROPERTY(QString gravity READ gravityText WRITE setGravityText)

 public:
  enum Gravity { kGravityStart = 0, kGravityCenter = 1, kGravityEnd = 2 };

  explicit SRadioBoxEx(QWidget* parent = nullptr);

  QString skinName() const { return parts_.skinName; }
  void setSkinName(const QString& name) { parts_.setSkinName(name); update(); }
  QString iconSkinName() const { return parts_.iconSkinName; }
  void setIconSkinName(const QString& name) { parts_.setIconSkinName(name); update(); }
  QString iconPosText() const { return parts_.iconPosText(); }
  void setIconPosText(const QString& text) { parts_.setIconPosText(text); update(); }
  QString textXText() const { return QString::number(parts_.textOffset.x()); }
  void setTextXText(const QString& text) { parts_.setTextX(text); update(); }
  QString textYText() const { return QString::number(parts_.textOffset.y()); }
  void setTextYText(const QString& text) { parts_.setTextY(text); update(); }
  QString gravityText() const;
  void setGravityText(const QString& text) { setGravity(text); }

  // "left"/"top" 0, "center" 1, "right"/"bottom" 2; any other value is rejected (false)
  // and the gravity stays.
  bool setGravity(const QString& text);
  int gravity() const { return gravity_; }

  void setCheckSkin(const Skin& skin) { parts_.checkSkin = skin; update(); }
  void setIconSkin(const Skin& skin) { parts_.iconSkin = skin; update(); }

  // What the next paint draws, derived from the client rectangle and the state.
  int checkSkinState() const;  // -1 without a check skin
  QRect checkMarkRect() const;
  int iconState() const;       // -1 without an icon skin
  QRect iconRect() const;
  QRect textRect() const;
  bool isHovered() const { return hovered_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  IconTextParts parts_;
  int gravity_ = kGravityStart;
  bool hovered_ = false;
};

}  // namespace kb
