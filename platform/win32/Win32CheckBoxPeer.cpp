// A check box: the system's button control as a check box, subclassed. Clicks come back to the
// box through its parent's WM_COMMAND.
#include "platform/gui/TCheckBox.h"
#include "platform/win32/Win32PeerTable.h"

namespace pelk {

namespace {

class Win32CheckBoxPeer final : public Win32WindowPeer {
 public:
  explicit Win32CheckBoxPeer(TCheckBox& box) : Win32WindowPeer(box), box_(box) {}

  void StateChanged() override {
    if (Window() != nullptr)
      SendMessageW(Window(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  WindowClass Class() const override { return {L"BUTTON", false}; }
  DWORD Style() const override {
    DWORD style = Win32WindowPeer::Style() | BS_CHECKBOX;
    if (!box_.Ctl3D())
      style |= BS_FLAT;  // the page's flat look: a plain square, no sunken edge
    if (box_.TabStop())
      style |= WS_TABSTOP;
    return style;
  }
  void Made() override {
    if (box_.Checked())
      SendMessageW(Window(), BM_SETCHECK, BST_CHECKED, 0);
  }

  TCheckBox& box_;
};

}  // namespace

std::unique_ptr<Win32WindowPeer> MakeCheckBoxPeer(TControl& control) {
  return std::make_unique<Win32CheckBoxPeer>(static_cast<TCheckBox&>(control));
}

}  // namespace pelk
