#include "controls/THotSpeedButton.h"

namespace pelk {

const ClassInfo& THotSpeedButton::StaticClass() {
  // Images, ImageIndex and HotImageIndex come after the inherited properties.
  static const ClassInfo info{
      "THotSpeedButton",
      &TSpeedButton::StaticClass(),
      &detail::CreateOwned<THotSpeedButton>,
      {Property<&THotSpeedButton::SetFlat>("Flat"), Property<&THotSpeedButton::SetWidth>("Width"),
       Property<&THotSpeedButton::SetHeight>("Height"),
       Property<&THotSpeedButton::SetImageList>("Images"),
       Property<&THotSpeedButton::SetImageIndex>("ImageIndex"),
       Property<&THotSpeedButton::SetHotImageIndex>("HotImageIndex")},
      {},
      {},
      {}};
  return info;
}

THotSpeedButton::THotSpeedButton(TComponent* owner) : TSpeedButton(owner) {
  UpdateGlyph(imageIndex_);
  SetFlat(true);
  SetWidth(36);
  SetHeight(36);
}

void THotSpeedButton::UpdateGlyph(int index) {
  SetGlyph(nullptr);
  if (images_ != nullptr)
    images_->GetBitmap(index, Glyph());
}

void THotSpeedButton::SetImageList(TImageList* images) {
  images_ = images;
  if (images_ != nullptr)
    images_->FreeNotification(this);
  UpdateGlyph(imageIndex_);
}

void THotSpeedButton::SetImageIndex(int index) {
  imageIndex_ = index;
  UpdateGlyph(imageIndex_);
}

void THotSpeedButton::SetHotImageIndex(int index) {
  hotImageIndex_ = index;
}

void THotSpeedButton::Notification(TComponent* component, TOperation operation) {
  TSpeedButton::Notification(component, operation);
  if (operation == TOperation::opRemove && images_ != nullptr &&
      component == static_cast<TComponent*>(images_)) {
    SetImageList(nullptr);
  }
}

// Neither handler looks at Enabled: a disabled button swaps its picture too.
void THotSpeedButton::CMMouseEnter(TMessage& message) {
  UpdateGlyph(hotImageIndex_);
  SetCursor(crHandPoint);
  TSpeedButton::CMMouseEnter(message);
}

void THotSpeedButton::CMMouseLeave(TMessage& message) {
  UpdateGlyph(imageIndex_);
  SetCursor(crDefault);
  TSpeedButton::CMMouseLeave(message);
}

}  // namespace pelk
