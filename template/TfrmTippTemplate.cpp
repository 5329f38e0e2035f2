#include "template/TfrmTippTemplate.h"

#include "platform/Dialogs.h"
#include "platform/HelpTexts.h"
#include "platform/TRegistry.h"
#include "platform/WindowMessages.h"
#include "template/HostCommand.h"
#include "template/InfoText.h"
#include "template/RegistryJump.h"
#include "template/ScreenScaling.h"
#include "template/SystemRestart.h"
#include "template/TemplateTexts.h"
#include "template/TippActivation.h"

namespace pelk {

const ClassInfo& TfrmTippTemplate::StaticClass() {
  using T = TfrmTippTemplate;
  static const ClassInfo info{
      "TfrmTippTemplate",
      &TForm::StaticClass(),
      nullptr,
      {},
      {Method<&T::FormCreate>("FormCreate"), Method<&T::FormShow>("FormShow"),
       Method<&T::Fensterwechseln1Click>("Fensterwechseln1Click"),
       Method<&T::HotSpeedButtonUndoClick>("HotSpeedButtonUndoClick"),
       Method<&T::HotSpeedButtonOKClick>("HotSpeedButtonOKClick"),
       Method<&T::HotSpeedButtonRegistryClick>("HotSpeedButtonRegistryClick"),
       Method<&T::HotSpeedButtonInfoClick>("HotSpeedButtonInfoClick")},
      {Field<&T::PopupMenu1>("PopupMenu1"), Field<&T::Fensterwechseln1>("Fensterwechseln1"),
       Field<&T::ImageList1>("ImageList1"), Field<&T::PanelRightBorder>("PanelRightBorder"),
       Field<&T::PanelLeftBorder>("PanelLeftBorder"), Field<&T::PanelTopBorder>("PanelTopBorder"),
       Field<&T::PanelBottomBorder>("PanelBottomBorder"), Field<&T::MemoHelpD>("MemoHelpD"),
       Field<&T::StaticTextTitle>("StaticTextTitle"), Field<&T::MemoHelpUS>("MemoHelpUS"),
       Field<&T::HotSpeedButtonOK>("HotSpeedButtonOK"),
       Field<&T::HotSpeedButtonUndo>("HotSpeedButtonUndo"),
       Field<&T::HotSpeedButtonInfo>("HotSpeedButtonInfo"),
       Field<&T::HotSpeedButtonRegistry>("HotSpeedButtonRegistry")},
      {&THotSpeedButton::StaticClass},
      "TFRMTIPPTEMPLATE"};
  return info;
}

TfrmTippTemplate::TfrmTippTemplate(const SystemServices& services, ModuleState& state)
    : TForm(GuiContext{services.dialogs, services.messages}), services_(services), state_(state) {}

void TfrmTippTemplate::FormCreate(TComponent*) {
  // Decided afresh for every page: a creation that fails before the decision leaves the page
  // inactive, so it never writes a state it did not read.
  state_.TippActive = false;
  try {
    ReadBSControl();
  } catch (...) {
    // A page that could not read its setting cannot tell what it may change: once the failure
    // is reported it looks and acts as a locked page, offering no change it would not make.
    LockPage();
    throw;
  }
  if (AdaptToScreenResolution(
          services_.screen, services_.dialogs,
          [this](int multiplier, int divisor) { ScaleBy(multiplier, divisor); }))
    Refresh();
  const TippActivation activation = DecideActivation(state_.OsType, state_.ValidOsMask, BSControl);
  state_.OsBit = activation.osBit;
  if (activation.lock)
    LockPage();
  state_.TippActive = activation.active;
  StaticTextTitle->SetCaption(Caption());
}

void TfrmTippTemplate::ReadBSControl() {
  // Read rights only: a setting the user may not change (fixed by an administrator) still counts.
  TRegistry registry(services_.registry, RegistryAccess::QueryValue);
  registry.RootKey = RootKey::CurrentUser;
  // A key that cannot be opened reads as "value missing": the default holds.
  static_cast<void>(registry.OpenKey(kSettingsKey, true));
  BSControl = true;
  if (registry.ValueExists(kBSControlValue))
    BSControl = registry.ReadBool(kBSControlValue);
  registry.CloseKey();
}

void TfrmTippTemplate::LockPage() {
  for (int index = 0; index < ComponentCount(); ++index) {
    if (auto* control = dynamic_cast<TControl*>(Components(index)))
      control->SetEnabled(false);
  }
  // What stays usable on an unsupported version: the texts, the list of supported versions and
  // the registry lookup.
  StaticTextTitle->SetEnabled(true);
  MemoHelpD->SetEnabled(true);
  MemoHelpUS->SetEnabled(true);
  HotSpeedButtonInfo->SetEnabled(true);
  HotSpeedButtonRegistry->SetEnabled(true);
}

void TfrmTippTemplate::FormShow(TComponent*) {
  state_.TippShown = true;
  StaticTextTitle->SetCaption(Caption());
  // A screen reader names the help texts by the page's title.
  MemoHelpD->SetAccessibleName(Caption());
  MemoHelpUS->SetAccessibleName(Caption());
  MemoHelpD->SetText(services_.help.GetHelpText(HelpId, kHelpTextGerman));
  MemoHelpUS->SetText(services_.help.GetHelpText(HelpId, kHelpTextEnglish));
}

void TfrmTippTemplate::Sprache(int language) {
  state_.Language = language;
  const TemplateTexts& texts = TemplateTextsFor(state_.Language);
  HotSpeedButtonUndo->SetHint(texts.undoHint);
  HotSpeedButtonOK->SetHint(texts.okHint);
  HotSpeedButtonRegistry->SetHint(texts.registryHint);
  HotSpeedButtonInfo->SetHint(texts.infoHint);
  Fensterwechseln1->SetCaption(texts.switchWindowCaption);
  MemoHelpD->SetVisible(texts.germanHelpVisible);
  MemoHelpUS->SetVisible(texts.englishHelpVisible);
}

void TfrmTippTemplate::NeuStart() {
  // The host may close the page while the question is open; a page it closed stays untouched.
  const std::weak_ptr<const void> alive = LifeToken();
  if (OfferRestart(services_.dialogs, services_.shutdown, Tag()) && !alive.expired())
    Close();
}

void TfrmTippTemplate::WndProc(TMessage& message) {
  TForm::WndProc(message);
  const HostCommand command =
      DecodeHostCommand(state_.TippMessage, message.Msg, message.WParam, message.LParam);
  switch (command.kind) {
    case HostCommandKind::NotProtocol:
    case HostCommandKind::None:
      return;
    case HostCommandKind::SetLeft:
      SetLeft(command.value);
      return;
    case HostCommandKind::SetTop:
      SetTop(command.value);
      return;
    case HostCommandKind::SetWidth:
      SetWidth(command.value);
      return;
    case HostCommandKind::SetHeight:
      SetHeight(command.value);
      return;
    case HostCommandKind::Show:
      Show();
      return;
    case HostCommandKind::Close:
      try {
        Close();
      } catch (...) {
        services_.dialogs.ReportError("e");
      }
      // Hiding hands the activation to another window at once, and a report runs a modal loop:
      // the owner may have let the page go meanwhile. Otherwise it goes now, and nothing of it
      // is touched afterwards.
      if (!Released())
        RequestDestroy();
      return;
  }
}

void TfrmTippTemplate::Broadcast(std::uintptr_t code, std::intptr_t value) {
  if (state_.TippMessage == 0)
    return;
  services_.messages.Broadcast(state_.TippMessage, code, value);
}

void TfrmTippTemplate::Fensterwechseln1Click(TComponent*) {
  const HostNotification notification = SwitchWindowNotification();
  Broadcast(notification.code, notification.value);
}

void TfrmTippTemplate::HotSpeedButtonUndoClick(TComponent*) {
  state_.RestoreDefaults = true;
}

void TfrmTippTemplate::HotSpeedButtonOKClick(TComponent*) {
  state_.TippSaved = true;
  const HostNotification notification = OkNotification(state_.PendingAction());
  // The last step: the host may close the page while it handles the notification.
  Broadcast(notification.code, notification.value);
}

void TfrmTippTemplate::HotSpeedButtonRegistryClick(TComponent*) {
  JumpToRegistryKey(services_.registry, services_.help, services_.shell, Handle(), HelpId);
}

void TfrmTippTemplate::HotSpeedButtonInfoClick(TComponent*) {
  services_.dialogs.ShowMessage(InfoText(state_.Language, state_.ValidOsMask));
}

}  // namespace pelk
