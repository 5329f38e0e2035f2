#include "template/TfrmTippTemplate.h"

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
      {&THotSpeedButton::StaticClass()},
      "TFRMTIPPTEMPLATE"};
  return info;
}

TfrmTippTemplate::TfrmTippTemplate(GuiContext context, ModuleState& state)
    : TForm(context), state_(state) {}

void TfrmTippTemplate::Sprache(int) {}
void TfrmTippTemplate::NeuStart() {}
void TfrmTippTemplate::WndProc(TMessage& message) {
  TForm::WndProc(message);
}
void TfrmTippTemplate::FormCreate(TComponent*) {}
void TfrmTippTemplate::FormShow(TComponent*) {}
void TfrmTippTemplate::Fensterwechseln1Click(TComponent*) {}
void TfrmTippTemplate::HotSpeedButtonUndoClick(TComponent*) {}
void TfrmTippTemplate::HotSpeedButtonOKClick(TComponent*) {}
void TfrmTippTemplate::HotSpeedButtonRegistryClick(TComponent*) {}
void TfrmTippTemplate::HotSpeedButtonInfoClick(TComponent*) {}

}  // namespace pelk
