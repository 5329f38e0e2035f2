#include "tests/secondtip/TFormSecondTip.h"

#include "platform/TRegistry.h"
#include "template/TippActivation.h"

namespace pelk {

namespace {
constexpr const char* kValue = "SecondTip";
}  // namespace

const ClassInfo& TFormSecondTip::StaticClass() {
  using T = TFormSecondTip;
  static const ClassInfo info{
      "TFormSecondTip",
      &TfrmTippTemplate::StaticClass(),
      nullptr,
      {},
      {Method<&T::FormCreate>("FormCreate"), Method<&T::CheckBox1Click>("CheckBox1Click"),
       Method<&T::HotSpeedButtonOKClick>("HotSpeedButtonOKClick")},
      {Field<&T::CheckBox1>("CheckBox1")},
      {&TCheckBox::StaticClass},
      "TFORMSECONDTIP"};
  return info;
}

TFormSecondTip::TFormSecondTip(const SystemServices& services, ModuleState& state)
    : TfrmTippTemplate(services, state) {}

void TFormSecondTip::FormCreate(TComponent* sender) {
  TfrmTippTemplate::FormCreate(sender);
  TRegistry registry(Services().registry, RegistryAccess::QueryValue);
  if (State().TippActive && registry.OpenKeyReadOnly(kSettingsKey) && registry.ValueExists(kValue))
    CheckBox1->SetChecked(registry.ReadBool(kValue));
}

void TFormSecondTip::CheckBox1Click(TComponent*) {
  if (!State().TippShown || !Visible())
    return;
  State().TippSaved = false;
  State().TippChanged = true;
}

void TFormSecondTip::HotSpeedButtonOKClick(TComponent* sender) {
  if (State().TippActive) {
    TRegistry registry(Services().registry, RegistryAccess::SetValue);
    registry.OpenKey(kSettingsKey, true);
    registry.WriteValue(kValue, RegistryValue::DWord(CheckBox1->Checked() ? 1 : 0));
  }
  TfrmTippTemplate::HotSpeedButtonOKClick(sender);
}

}  // namespace pelk
