#include "platform/gui/TControl.h"

#include <algorithm>
#include <cstdint>

#include "platform/Exception.h"
#include "platform/gui/PropertyNames.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TMenu.h"
#include "platform/gui/TWinControl.h"

namespace pelk {

int MulDiv(int value, int multiplier, int divisor) {
  if (divisor == 0)
    return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * multiplier;
  const std::int64_t half = (divisor < 0 ? -divisor : divisor) / 2;
  const std::int64_t rounded = ((product < 0) != (divisor < 0))
                                   ? (product - (divisor < 0 ? -half : half)) / divisor
                                   : (product + (divisor < 0 ? -half : half)) / divisor;
  return static_cast<int>(std::clamp<std::int64_t>(rounded, INT32_MIN, INT32_MAX));
}

namespace {
int ClampCoordinate(int value) {
  return std::clamp(value, kMinCoordinate, kMaxCoordinate);
}
int ClampSize(int value) {
  return std::clamp(value, 0, kMaxCoordinate);
}
}  // namespace

const ClassInfo& TControl::StaticClass() {
  static const ClassInfo info{"TControl",
                              &TComponent::StaticClass(),
                              nullptr,
                              {Property<&TControl::SetLeft>("Left"),
                               Property<&TControl::SetTop>("Top"),
                               Property<&TControl::SetWidth>("Width"),
                               Property<&TControl::SetHeight>("Height"),
                               Property<&TControl::SetAlign>("Align", AlignNames()),
                               Property<&TControl::SetAnchors>("Anchors", AnchorNames()),
                               Property<&TControl::SetCaption>("Caption"),
                               Property<&TControl::SetColor>("Color", ColorNames()),
                               Property<&TControl::SetParentColor>("ParentColor"),
                               Property<&TControl::SetCtl3D>("Ctl3D"),
                               Property<&TControl::SetParentCtl3D>("ParentCtl3D"),
                               Property<&TControl::SetCursor>("Cursor", CursorNames()),
                               Property<&TControl::SetEnabled>("Enabled"),
                               Property<&TControl::SetFontCharset>("Font.Charset", CharsetNames()),
                               Property<&TControl::SetFontColor>("Font.Color", ColorNames()),
                               Property<&TControl::SetFontHeight>("Font.Height"),
                               Property<&TControl::SetFontName>("Font.Name"),
                               Property<&TControl::SetFontStyle>("Font.Style", FontStyleNames()),
                               Property<&TControl::SetParentFont>("ParentFont"),
                               Property<&TControl::SetHint>("Hint"),
                               Property<&TControl::SetParentShowHint>("ParentShowHint"),
                               Property<&TControl::SetPopupMenu>("PopupMenu"),
                               Property<&TControl::SetShowHint>("ShowHint"),
                               Property<&TControl::SetVisible>("Visible"),
                               Property<&TControl::SetOnClick>("OnClick")},
                              {},
                              {},
                              {},
                              /*resource=*/nullptr,
                              /*formText=*/nullptr,
                              &TControl::PlacementRefusal};
  return info;
}

const char* TControl::PlacementRefusal(const TComponent& container, const TComponent&) {
  return dynamic_cast<const TWinControl*>(&container) != nullptr
             ? nullptr
             : "needs a windowed control around it";
}

void TControl::PlaceIn(TComponent& container) {
  SetParent(dynamic_cast<TWinControl*>(&container));
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  peer_.reset();
  if (parent_ != nullptr)
    parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_)
    return;
  if (parent == this)
    throw EInvalidOperation("a control cannot be its own parent");
  for (TWinControl* up = parent; up != nullptr; up = up->Parent()) {
    if (up == this)
      throw EInvalidOperation("a control cannot sit inside itself");
  }
  DestroyHandle();
  if (parent_ != nullptr)
    parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->InsertControl(this);
    RecordAnchors();
    if (parent_->HandleAllocated())
      CreateHandle();
    if (align_ != TAlign::alNone)
      parent_->Realign();
  }
}

TForm* TControl::ParentForm() const {
  const TControl* control = this;
  while (control->parent_ != nullptr)
    control = control->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  PlaceBounds(left, top, width, height);
  RecordAnchors();
  if (align_ != TAlign::alNone && parent_ != nullptr)
    parent_->Realign();
}

void TControl::PlaceBounds(int left, int top, int width, int height) {
  left = ClampCoordinate(left);
  top = ClampCoordinate(top);
  width = ClampSize(width);
  height = ClampSize(height);
  if (left == left_ && top == top_ && width == width_ && height == height_)
    return;
  const int oldWidth = width_;
  const int oldHeight = height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (peer_ && !Loading())
    peer_->BoundsChanged();
  BoundsChanged(oldWidth, oldHeight);
}

void TControl::BoundsChanged(int, int) {}

void TControl::RecordAnchors() {
  if (parent_ == nullptr)
    return;
  anchorRight_ = parent_->ClientWidth() - (left_ + width_);
  anchorBottom_ = parent_->ClientHeight() - (top_ + height_);
}

void TControl::ApplyAnchors(int parentWidth, int parentHeight) {
  if (align_ != TAlign::alNone)
    return;
  int left = left_;
  int top = top_;
  int width = width_;
  int height = height_;
  if ((anchors_ & akRight) != 0) {
    if ((anchors_ & akLeft) != 0) {
      width = std::max(0, parentWidth - left - anchorRight_);
    } else {
      left = parentWidth - width - anchorRight_;
    }
  }
  if ((anchors_ & akBottom) != 0) {
    if ((anchors_ & akTop) != 0) {
      height = std::max(0, parentHeight - top - anchorBottom_);
    } else {
      top = parentHeight - height - anchorBottom_;
    }
  }
  PlaceBounds(left, top, width, height);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_)
    return;
  enabled_ = enabled;
  if (peer_)
    peer_->EnabledChanged();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_)
    return;
  visible_ = visible;
  if (peer_)
    peer_->VisibleChanged();
  if (align_ != TAlign::alNone && parent_ != nullptr)
    parent_->Realign();
}

void TControl::WindowVisibilityChanged(bool visible) {
  if (visible == visible_)
    return;
  visible_ = visible;
  if (align_ != TAlign::alNone && parent_ != nullptr)
    parent_->Realign();
}

bool TControl::Showing() const {
  return visible_ && (parent_ == nullptr || parent_->Showing());
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_)
    return;
  caption_ = caption;
  if (peer_)
    peer_->TextChanged();
}

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  if (peer_)
    peer_->TextChanged();
}

void TControl::SetShowHint(bool show) {
  showHint_ = show;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool parent) {
  parentShowHint_ = parent;
}

bool TControl::EffectiveShowHint() const {
  if (parentShowHint_ && parent_ != nullptr)
    return parent_->EffectiveShowHint();
  return showHint_;
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_)
    return;
  cursor_ = cursor;
  if (peer_)
    peer_->CursorChanged();
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors & (akLeft | akTop | akRight | akBottom);
  RecordAnchors();
}

void TControl::SetAlign(TAlign align) {
  if (static_cast<int>(align) < 0 || align > TAlign::alClient)
    align = TAlign::alNone;
  if (align == align_)
    return;
  align_ = align;
  if (parent_ != nullptr) {
    if (align_ == TAlign::alNone) {
      RecordAnchors();
    } else {
      parent_->Realign();
    }
  }
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_)
    return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool parent) {
  if (parent == parentColor_)
    return;
  parentColor_ = parent;
  ColorChanged();
}

TColor TControl::EffectiveColor() const {
  if (parentColor_ && parent_ != nullptr)
    return parent_->EffectiveColor();
  return color_;
}

const TFont& TControl::Font() const {
  if (parentFont_ && parent_ != nullptr)
    return parent_->Font();
  return font_;
}

void TControl::SetFont(const TFont& font) {
  parentFont_ = false;
  font_ = font;
  font_.Height = std::clamp(font_.Height, -kMaxCoordinate, kMaxCoordinate);
  FontChanged();
}

void TControl::SetFontName(const std::string& name) {
  TFont font = Font();
  font.Name = name;
  SetFont(font);
}

void TControl::SetFontHeight(int height) {
  TFont font = Font();
  font.Height = height;
  SetFont(font);
}

void TControl::SetFontColor(TColor color) {
  TFont font = Font();
  font.Color = color;
  SetFont(font);
}

void TControl::SetFontStyle(unsigned style) {
  TFont font = Font();
  font.Style = style & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
  SetFont(font);
}

void TControl::SetFontCharset(int charset) {
  TFont font = Font();
  font.Charset = std::clamp(charset, 0, 255);
  SetFont(font);
}

void TControl::SetParentFont(bool parent) {
  if (parent == parentFont_)
    return;
  if (!parent)
    font_ = Font();
  parentFont_ = parent;
  FontChanged();
}

bool TControl::Ctl3D() const {
  if (parentCtl3D_ && parent_ != nullptr)
    return parent_->Ctl3D();
  return ctl3D_;
}

void TControl::SetCtl3D(bool ctl3D) {
  parentCtl3D_ = false;
  ctl3D_ = ctl3D;
  if (peer_)
    peer_->AppearanceChanged();
}

void TControl::SetParentCtl3D(bool parent) {
  parentCtl3D_ = parent;
  if (peer_)
    peer_->AppearanceChanged();
}

void TControl::FontChanged() {
  if (peer_)
    peer_->AppearanceChanged();
}

void TControl::ColorChanged() {
  if (peer_)
    peer_->AppearanceChanged();
}

void TControl::ChangeScale(int multiplier, int divisor) {
  if (multiplier <= 0 || divisor <= 0)
    return;
  PlaceBounds(MulDiv(left_, multiplier, divisor), MulDiv(top_, multiplier, divisor),
              MulDiv(width_, multiplier, divisor), MulDiv(height_, multiplier, divisor));
  RecordAnchors();
  if (!parentFont_) {
    font_.Height =
        std::clamp(MulDiv(font_.Height, multiplier, divisor), -kMaxCoordinate, kMaxCoordinate);
    FontChanged();
  }
}

void TControl::Invalidate() {
  if (peer_)
    peer_->AppearanceChanged();
}

void TControl::Refresh() {
  if (peer_) {
    peer_->AppearanceChanged();
    peer_->Update();
  }
}

void TControl::FinishLoading() {
  SetLoading(false);
  if (peer_)
    peer_->BoundsChanged();
}

void TControl::CreateHandle() {
  // A control read from a resource gets its window once reading is done, with its final state:
  // some properties (a memo's scroll bars) are fixed when the window is made, and a window that
  // followed every property as it is read would be moved and redrawn for each.
  if (peer_ || Loading() || parent_ == nullptr || !parent_->HandleAllocated())
    return;
  peer_ = CreateControlPeer(*this);
}

void TControl::DestroyHandle() {
  peer_.reset();
}

}  // namespace pelk
