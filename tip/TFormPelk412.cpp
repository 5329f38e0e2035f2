#include "tip/TFormPelk412.h"

#include "platform/Exception.h"
#include "template/TemplateTexts.h"
#include "tip/ContextMenuSwitch.h"

namespace pelk {

namespace {
constexpr const char* kCaptionEnglish = "Show Contextmenu for File-Operations";
constexpr const char* kCaptionGerman = "Kontextmenü für Datei-Operationen anzeigen";
}  // namespace

const ClassInfo& TFormPelk412::StaticClass() {
  using T = TFormPelk412;
  static const ClassInfo info{"TFormPelk412",
                              &TfrmTippTemplate::StaticClass(),
                              nullptr,
                              {},
                              {Method<&T::FormCreate>("FormCreate"),
                               Method<&T::HotSpeedButtonUndoClick>("HotSpeedButtonUndoClick"),
                               Method<&T::CheckBox1Click>("CheckBox1Click"),
                               Method<&T::HotSpeedButtonOKClick>("HotSpeedButtonOKClick")},
                              {Field<&T::CheckBox1>("CheckBox1")},
                              {&TCheckBox::StaticClass},
                              "TFORMPELK412"};
  return info;
}

TFormPelk412::TFormPelk412(const SystemServices& services, ModuleState& state)
    : TfrmTippTemplate(services, state) {}

void TFormPelk412::Sprache(int language) {
  TfrmTippTemplate::Sprache(language);
  CheckBox1->SetCaption(State().IsEnglish() ? kCaptionEnglish : kCaptionGerman);
}

void TFormPelk412::FormCreate(TComponent* sender) {
  TfrmTippTemplate::FormCreate(sender);
  if (!State().TippActive)
    return;
  // Ticking the box fires its click handler; the page is not shown yet, so it counts nothing.
  CheckBox1->SetChecked(ReadContextMenuState(Services().registry));
  readSystemState_ = true;
}

void TFormPelk412::CheckBox1Click(TComponent*) {
  // TippShown stays set for the whole load, so a page made after an earlier one's ModulFree would
  // count its own reading of the state as a change; a page not yet on the screen counts nothing.
  if (!State().TippShown || !Visible())
    return;
  HotSpeedButtonOK->SetEnabled(true);
  State().TippSaved = false;
  State().TippChanged = true;
}

void TFormPelk412::HotSpeedButtonUndoClick(TComponent* sender) {
  // Showing both entries is the default; the change counts only if the box was clear.
  CheckBox1->SetChecked(true);
  TfrmTippTemplate::HotSpeedButtonUndoClick(sender);
}

void TFormPelk412::HotSpeedButtonOKClick(TComponent* sender) {
  if (readSystemState_) {
    try {
      WriteContextMenuState(Services().registry, Services().shell, CheckBox1->Checked());
    } catch (const ERegistryException& failure) {
      // Nothing was changed; say why in the page's language. The OK step does not run.
      throw ERegistryException(RegistryFailureText(State().Language, failure), failure.KeyPath(),
                               failure.Reason());
    }
  }
  TfrmTippTemplate::HotSpeedButtonOKClick(sender);
}

}  // namespace pelk
