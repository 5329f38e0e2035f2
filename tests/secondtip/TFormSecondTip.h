#pragma once
#include "platform/gui/TCheckBox.h"
#include "template/TfrmTippTemplate.h"

namespace pelk {

// A second tip of the collection, made only to show that the template carries any tip: one check
// box that switches the value "SecondTip" (1 on, 0 off) under HKEY_CURRENT_USER's settings key.
class TFormSecondTip : public TfrmTippTemplate {
 public:
  TFormSecondTip(const SystemServices& services, ModuleState& state);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TCheckBox* CheckBox1 = nullptr;

  void FormCreate(TComponent* sender) override;
  virtual void CheckBox1Click(TComponent* sender);
  void HotSpeedButtonOKClick(TComponent* sender) override;
};

}  // namespace pelk
