#include "platform/gui/TSpeedButton.h"

namespace pelk {

const ClassInfo& TSpeedButton::StaticClass() {
  static const ClassInfo info{"TSpeedButton",
                              &TControl::StaticClass(),
                              &detail::CreateOwned<TSpeedButton>,
                              {Property<&TSpeedButton::SetFlat>("Flat")},
                              {},
                              {},
                              {}};
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
  SetBounds(0, 0, 23, 22);
  glyph_.OnChange = [this] { Invalidate(); };
}

void TSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap* glyph) {
  if (glyph == nullptr) {
    glyph_.Clear();
    return;
  }
  glyph_.SetSize(glyph->Width(), glyph->Height());
  glyph_.Draw(*glyph, 0, 0, glyph->Width(), glyph->Height(), 0, 0);
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_)
    return;
  down_ = down;
  Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& message) {
  down_ = false;
  TControl::CMMouseLeave(message);
}

}  // namespace pelk
