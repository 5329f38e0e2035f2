#pragma once
#include <memory>
#include <string>

#include "platform/win32/Win32HintWindow.h"
#include "platform/win32/Win32WindowClasses.h"
#include "platform/win32/Win32WindowPeer.h"

namespace pelk {

// A form's top-level window: its frame and styles, its icon, the default processing of the
// messages the form leaves alone, the notifications its child windows send, and the one hint
// window its controls share.
class Win32FormPeer final : public Win32WindowPeer, public FormPeer, public Win32HintHost {
 public:
  explicit Win32FormPeer(TForm& form) : Win32WindowPeer(form) {}
  ~Win32FormPeer() override;

  FormPeer* AsFormPeer() override { return this; }
  bool MakeWindow() override { return Create(); }
  void DestroyWindow() override;
  TShortCut KeyModifiers() const override { return KeyModifiersNow(); }
  void BringToFront() override;
  void StyleChanged() override;
  void DefaultProcessing(TMessage& message) override;
  void VisibleChanged() override;
  Win32HintWindow* Hints(bool make) override;

 private:
  WindowClass Class() const override { return {Win32WindowClasses::kForm, true}; }
  DWORD Style() const override;
  DWORD ExStyle() const override;
  HWND ParentWindow() const override { return nullptr; }
  void Made() override;
  void WindowGone() override;
  // The form's messages go through the form: its window procedure, then DefaultProcessing.
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  static bool EndsHint(UINT msg, WPARAM wParam, LPARAM lParam);
  void FocusOnActivation();

  // form_ (the control's form) is this form itself.
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  std::string iconName_;
  std::unique_ptr<Win32HintWindow> hint_;
  HWND lastFocus_ = nullptr;  // the control that had the keyboard when the form was left
  DWORD formStyle_ = 0;       // the frame the window has, as this peer set it
  DWORD formExStyle_ = 0;
};

}  // namespace pelk
