#pragma once
#include "platform/gui/TWinControl.h"

namespace pelk {

// A box with a caption that is ticked or clear.
class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  bool Checked() const { return checked_; }
  // A change of state runs the click event, as a click does; the same state runs nothing.
  void SetChecked(bool checked);
  // A user's click toggles the box.
  void UserClick() override;

 private:
  bool checked_ = false;
};

}  // namespace pelk
