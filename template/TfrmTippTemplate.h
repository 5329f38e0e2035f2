#pragma once
#include <functional>

#include "controls/THotSpeedButton.h"
#include "module/state/ModuleState.h"
#include "platform/SystemServices.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TImageList.h"
#include "platform/gui/TMemo.h"
#include "platform/gui/TMenu.h"
#include "platform/gui/TPanel.h"
#include "platform/gui/TStaticText.h"

namespace pelk {

// The page every tip derives from: frame, title, two help memos, four image buttons, the
// pop-up menu and the image list, read from the form resource TFRMTIPPTEMPLATE. Derived pages
// add their own resource on top and override the handlers they extend.
//
// Lifecycle: built by CreateForm (resources, then the create event: setting, resolution,
// version check and lock-down); the module sets caption, bounds, Tag (the OS type), Hint and
// HelpId, shows it (title and help texts) and calls Sprache. From then on it answers the host's
// registered message in WndProc; the host's close command hides it and asks the owner set by
// SetDestroyRequest to delete it, after which nothing of the page is touched.
class TfrmTippTemplate : public TForm {
 public:
  TfrmTippTemplate(const SystemServices& services, ModuleState& state);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Published components, set from the resource by name.
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* Fensterwechseln1 = nullptr;
  TImageList* ImageList1 = nullptr;
  TPanel* PanelRightBorder = nullptr;
  TPanel* PanelLeftBorder = nullptr;
  TPanel* PanelTopBorder = nullptr;
  TPanel* PanelBottomBorder = nullptr;
  TMemo* MemoHelpD = nullptr;
  TStaticText* StaticTextTitle = nullptr;
  TMemo* MemoHelpUS = nullptr;
  THotSpeedButton* HotSpeedButtonOK = nullptr;
  THotSpeedButton* HotSpeedButtonUndo = nullptr;
  THotSpeedButton* HotSpeedButtonInfo = nullptr;
  THotSpeedButton* HotSpeedButtonRegistry = nullptr;

  // Page fields.
  bool BSControl = true;
  int HelpId = 0;

  virtual void Sprache(int language);
  virtual void NeuStart();
  void WndProc(TMessage& message) override;
  virtual void FormCreate(TComponent* sender);
  virtual void FormShow(TComponent* sender);
  virtual void Fensterwechseln1Click(TComponent* sender);
  virtual void HotSpeedButtonUndoClick(TComponent* sender);
  virtual void HotSpeedButtonOKClick(TComponent* sender);
  virtual void HotSpeedButtonRegistryClick(TComponent* sender);
  virtual void HotSpeedButtonInfoClick(TComponent* sender);

  // Who destroys the page when the host's close command asks for it.
  void SetDestroyRequest(std::function<void()> request) { destroyRequest_ = std::move(request); }

 protected:
  ModuleState& State() { return state_; }
  SystemServices& Services() { return services_; }
  void RequestDestroy() {
    if (destroyRequest_)
      destroyRequest_();
  }

 private:
  void LockPage();
  void ReadBSControl();
  // Sends the notification to every top-level window; without a registered message there is
  // nobody who could understand it, so nothing is sent.
  void Broadcast(std::uintptr_t code, std::intptr_t value);

  SystemServices services_;
  ModuleState& state_;
  std::function<void()> destroyRequest_;
};

}  // namespace pelk
