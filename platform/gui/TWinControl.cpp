#include "platform/gui/TWinControl.h"

#include <algorithm>

#include "platform/Exception.h"

namespace pelk {

const ClassInfo& TWinControl::StaticClass() {
  static const ClassInfo info{"TWinControl",
                              &TControl::StaticClass(),
                              nullptr,
                              {Property<&TWinControl::SetTabOrder>("TabOrder"),
                               Property<&TWinControl::SetTabStop>("TabStop")},
                              {},
                              {},
                              {}};
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyComponents();
  // Children owned elsewhere stay alive without a parent.
  while (!controls_.empty())
    controls_.back()->SetParent(nullptr);
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) {
    throw EListError("control index " + std::to_string(index) + " out of bounds");
  }
  return controls_[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->tabOrder_ = static_cast<int>(tabList_.size());
    tabList_.push_back(windowed);
  }
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  const auto before = tabList_.size();
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  if (tabList_.size() != before) {
    for (std::size_t i = 0; i < tabList_.size(); ++i)
      tabList_[i]->tabOrder_ = static_cast<int>(i);
  }
  if (control->Align() != TAlign::alNone)
    Realign();
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr)
    return -1;
  return tabOrder_;
}

void TWinControl::SetTabOrder(int order) {
  TWinControl* parent = Parent();
  if (Loading() || parent == nullptr) {
    tabOrder_ = order;
    return;
  }
  auto& list = parent->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  const auto at = static_cast<std::size_t>(std::clamp(order, 0, static_cast<int>(list.size())));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
  for (std::size_t i = 0; i < list.size(); ++i)
    list[i]->tabOrder_ = static_cast<int>(i);
}

void TWinControl::FixupTabList() {
  // A stable insertion sort: a page holds a dozen controls, and std::stable_sort brings 2 KB of
  // merge code into the DLL for them (2026-12-08).
  for (std::size_t i = 1; i < tabList_.size(); ++i) {
    TWinControl* control = tabList_[i];
    std::size_t at = i;
    for (; at > 0 && tabList_[at - 1]->tabOrder_ > control->tabOrder_; --at)
      tabList_[at] = tabList_[at - 1];
    tabList_[at] = control;
  }
  for (std::size_t i = 0; i < tabList_.size(); ++i)
    tabList_[i]->tabOrder_ = static_cast<int>(i);
}

bool TWinControl::CanTab() const {
  if (!TabStop() || !Showing())
    return false;
  for (const TControl* control = this; control != nullptr; control = control->Parent()) {
    if (!control->Enabled())
      return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (peer_)
    peer_->TakeFocus();
}

void TWinControl::Realign() {
  if (alignLock_ > 0 || realigning_)
    return;
  realigning_ = true;
  TRect rest{0, 0, ClientWidth(), ClientHeight()};
  const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                          TAlign::alClient};
  for (TAlign align : order) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      TControl* control = controls_[i];
      if (control->Align() != align || !control->Visible())
        continue;
      const int width = std::max(0, rest.Right - rest.Left);
      const int height = std::max(0, rest.Bottom - rest.Top);
      switch (align) {
        case TAlign::alTop:
          control->SetBounds(rest.Left, rest.Top, width, control->Height());
          rest.Top += control->Height();
          break;
        case TAlign::alBottom:
          control->SetBounds(rest.Left, rest.Bottom - control->Height(), width, control->Height());
          rest.Bottom -= control->Height();
          break;
        case TAlign::alLeft:
          control->SetBounds(rest.Left, rest.Top, control->Width(), height);
          rest.Left += control->Width();
          break;
        case TAlign::alRight:
          control->SetBounds(rest.Right - control->Width(), rest.Top, control->Width(), height);
          rest.Right -= control->Width();
          break;
        default:
          control->SetBounds(rest.Left, rest.Top, width, height);
          break;
      }
    }
  }
  for (TControl* control : controls_)
    control->ApplyAnchors(ClientWidth(), ClientHeight());
  realigning_ = false;
}

void TWinControl::EnableAlign() {
  if (alignLock_ > 0 && --alignLock_ == 0)
    Realign();
}

void TWinControl::BoundsChanged(int oldWidth, int oldHeight) {
  if (Width() != oldWidth || Height() != oldHeight)
    Realign();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* control : controls_)
    control->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* control : controls_)
    control->ParentColorChanged();
}

void TWinControl::CreateHandle() {
  CreateOwnHandle();
  if (!HandleAllocated())
    return;
  // A new child window goes behind its siblings: made from the last control to the first, later
  // controls end up in front without a window being moved.
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control)
    (*control)->CreateHandle();
}

void TWinControl::DestroyHandle() {
  for (TControl* control : controls_)
    control->DestroyHandle();
  TControl::DestroyHandle();
}

void TWinControl::ChangeScale(int multiplier, int divisor) {
  if (multiplier <= 0 || divisor <= 0)
    return;
  DisableAlign();
  TControl::ChangeScale(multiplier, divisor);
  for (TControl* control : controls_)
    control->ChangeScale(multiplier, divisor);
  EnableAlign();
}

}  // namespace pelk
