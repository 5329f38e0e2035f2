#include "platform/gui/TCheckBox.h"

namespace pelk {

const ClassInfo& TCheckBox::StaticClass() {
  static const ClassInfo info{"TCheckBox",
                              &TWinControl::StaticClass(),
                              &detail::CreateOwned<TCheckBox>,
                              {Property<&TCheckBox::SetChecked>("Checked")},
                              {},
                              {},
                              {}};
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_)
    return;
  checked_ = checked;
  if (peer_)
    peer_->StateChanged();
  // While a resource sets the state, no handler runs: the page is not made yet.
  if (!Loading())
    Click();
}

void TCheckBox::UserClick() {
  Guarded([this] {
    if (Enabled())
      SetChecked(!Checked());
  });
}

}  // namespace pelk
