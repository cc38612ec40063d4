#pragma once

#include "ui/toolkit/Skin.h"

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

  QString skinName() const { return skinName_; }
  void setSkinName(const QString& name);
  QString iconSkinName() const { return iconSkinName_; }
  void setIconSkinName(const QString& name);
  QString iconPosText() const;
  void setIconPosText(const QString& text);
  QString textXText() const { return QString::number(textOffset_.x()); }
  void setTextXText(const QString& text);
  QString textYText() const { return QString::number(textOffset_.y()); }
  void setTextYText(const QString& text);
  QString gravityText() const;
  void setGravityText(const QString& text) { setGravity(text); }

  // "left"/"top" 0, "center" 1, "right"/"bottom" 2; any other value is rejected (false)
  // and the gravity stays.
  bool setGravity(const QString& text);
  int gravity() const { return gravity_; }

  void setCheckSkin(const Skin& skin) { checkSkin_ = skin; update(); }
  void setIconSkin(const Skin& skin) { iconSkin_ = skin; update(); }

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
  QString skinName_;
  QString iconSkinName_;
  Skin checkSkin_;
  Skin iconSkin_;
  QPoint iconOffset_;
  QPoint textOffset_;
  int gravity_ = kGravityStart;
  bool hovered_ = false;
};

}  // namespace kb
