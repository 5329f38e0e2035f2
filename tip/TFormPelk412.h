#pragma once
#include "platform/gui/TCheckBox.h"
#include "template/TfrmTippTemplate.h"

namespace pelk {

// The tip's page: the template with one check box that shows and switches the Explorer
// context-menu entries "Copy To" and "Move To". The box takes the system's state when the page
// is created (on a supported version), every change of it is counted, and OK applies it.
class TFormPelk412 : public TfrmTippTemplate {
 public:
  TFormPelk412(const SystemServices& services, ModuleState& state);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  TCheckBox* CheckBox1 = nullptr;

  void Sprache(int language) override;
  void FormCreate(TComponent* sender) override;
  void HotSpeedButtonUndoClick(TComponent* sender) override;
  virtual void CheckBox1Click(TComponent* sender);
  void HotSpeedButtonOKClick(TComponent* sender) override;

  // Whether the box holds the state read from the system. A page that never read it (locked,
  // or its creation failed) never writes it either.
  bool ReadSystemState() const { return readSystemState_; }

 private:
  bool readSystemState_ = false;
};

}  // namespace pelk
