#pragma once

#include "ui/controls/IconTextParts.h"

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

  QString skinName() const { return parts_.skinName; }
  void setSkinName(const QString& name) { parts_.setSkinName(name); updateGeometry(); update(); }
  QString iconSkinName() const { return parts_.iconSkinName; }
  void setIconSkinName(const QString& name) { parts_.setIconSkinName(name); update(); }
  QString iconPosText() const { return parts_.iconPosText(); }
  void setIconPosText(const QString& text) { parts_.setIconPosText(text); update(); }
  QString textXText() const { return QString::number(parts_.textOffset.x()); }
  void setTextXText(const QString& text) { parts_.setTextX(text); update(); }
  QString textYText() const { return QString::number(parts_.textOffset.y()); }
  void setTextYText(const QString& text) { parts_.setTextY(text); update(); }

  void setCheckSkin(const Skin& skin) { parts_.checkSkin = skin; updateGeometry(); update(); }
  void setIconSkin(const Skin& skin) { parts_.iconSkin = skin; update(); }

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
  IconTextParts parts_;
  bool hovered_ = false;
};

}  // namespace kb
