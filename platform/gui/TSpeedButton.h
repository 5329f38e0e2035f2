#pragma once
#include "platform/gui/TBitmap.h"
#include "platform/gui/TControl.h"

namespace pelk {

// A button that shows a picture and takes no keyboard focus. A flat one draws its frame only
// while the pointer is over it.
class TSpeedButton : public TControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // A button, named by its hint unless given a name of its own.
  TAccessibleRole AccessibleRole() const override { return TAccessibleRole::PushButton; }
  std::string AccessibleName() const override {
    const std::string own = TControl::AccessibleName();
    return own.empty() ? Hint() : own;
  }

  bool Flat() const { return flat_; }
  virtual void SetFlat(bool flat);
  // The picture belongs to the button; drawing into it repaints the button.
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  // Null empties the picture.
  void SetGlyph(const TBitmap* glyph);
  // Pressed look while the left button is down over it (native peers only).
  bool Down() const { return down_; }
  void SetDown(bool down);

 protected:
  void CMMouseLeave(TMessage& message) override;

 private:
  bool flat_ = false;
  bool down_ = false;
  TBitmap glyph_;
};

}  // namespace pelk
