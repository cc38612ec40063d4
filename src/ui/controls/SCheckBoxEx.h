#pragma once

#include "ui/toolkit/Skin.h"

#include <QCheckBox>

namespace kb {

// A check box with an icon beside its text and movable text. Its check skin, when it has
// one, covers the whole control (a toggle button look); without one no check glyph is
// drawn. Tag "checkex"; answers to "check" and "window" as well.
class SCheckBoxEx : public QCheckBox {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "checkex")
  Q_PROPERTY(QString skin READ skinName WRITE setSkinName)
  Q_PROPERTY(QString iconSkin READ iconSkinName WRITE setIconSkinName)
  Q_PROPERTY(QString iconPos READ iconPosText WRITE setIconPosText)
  Q_PROPERTY(QString textX READ textXText WRITE setTextXText)
  Q_PROPERTY(QString textY READ textYText WRITE setTextYText)

 public:
  explicit SCheckBoxEx(QWidget* parent = nullptr);

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

  void setCheckSkin(const Skin& skin) { checkSkin_ = skin; updateGeometry(); update(); }
  void setIconSkin(const Skin& skin) { iconSkin_ = skin; update(); }

  int checkSkinState() const;  // -1 without a check skin
  int iconState() const;       // the eight-state index; -1 without a check skin
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
  bool hovered_ = false;
};

}  // namespace kb
