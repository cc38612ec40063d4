#pragma once

#include "ui/toolkit/Skin.h"

#include <QWidget>

#include <cstdint>
#include <memory>

namespace kb {

// A picture that reports the pixel under a left click (the colour panel's colour pad).
// Tag "stimage"; answers to "window" as well.
class SSImage : public QWidget {
  Q_OBJECT
  Q_CLASSINFO("kbTag", "stimage")
  Q_PROPERTY(QString skin READ skinName WRITE setSkinName)

 public:
  // Receives (the click's parameter, host x, host y, the pixel). The pixel is 32 bits,
  // blue in the lowest byte, then green, red and alpha (premultiplied); 0 when the click
  // lay outside the skin's own size.
  class IFuncProxy {
   public:
    virtual ~IFuncProxy() = default;
    virtual void pixelPicked(std::uintptr_t param, int x, int y, std::uint32_t* pixel) = 0;
  };

  template <class Owner>
  class FuncProxy : public IFuncProxy {
   public:
    using Member = void (Owner::*)(std::uintptr_t, int, int, std::uint32_t*);
    FuncProxy(Owner* owner, Member member) : owner_(owner), member_(member) {}
    void pixelPicked(std::uintptr_t param, int x, int y, std::uint32_t* pixel) override {
      if (owner_ && member_) (owner_->*member_)(param, x, y, pixel);
    }

   private:
    Owner* owner_;
    Member member_;
  };

  explicit SSImage(QWidget* parent = nullptr);

  QString skinName() const { return skinName_; }
  void setSkinName(const QString& name);
  void setSkin(const Skin& skin);
  const Skin& skin() const { return skin_; }
  // Installs the pick callback; the previous one is freed.
  void setPickCallback(std::unique_ptr<IFuncProxy> callback) { callback_ = std::move(callback); }

  // Reads the pixel under a point of the host window and hands it to the callback.
  std::uint32_t pick(QPoint hostPoint, std::uintptr_t param);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString skinName_;
  Skin skin_;
  std::unique_ptr<IFuncProxy> callback_;
};

}  // namespace kb
