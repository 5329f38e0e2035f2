#pragma once
#include "platform/gui/TImageList.h"
#include "platform/gui/TSpeedButton.h"

namespace pelk {

// A flat 36-by-36 image button whose picture comes from an image list: image ImageIndex
// normally, HotImageIndex while the pointer is over it, with the hand cursor then. The list is
// referred to, not owned.
class THotSpeedButton : public TSpeedButton {
 public:
  explicit THotSpeedButton(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TImageList* GetImageList() const { return images_; }
  void SetImageList(TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int HotImageIndex() const { return hotImageIndex_; }
  void SetHotImageIndex(int index);

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

 private:
  // The only way the picture changes: empties the glyph, then draws image index of the list
  // into it. The index goes to the list unchecked.
  void UpdateGlyph(int index);

  TImageList* images_ = nullptr;
  int imageIndex_ = 0;
  int hotImageIndex_ = 0;
};

}  // namespace pelk
