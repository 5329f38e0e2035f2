// A memo: the system's multi-line edit control, subclassed.
#include "platform/gui/TMemo.h"
#include "platform/win32/Win32PeerTable.h"

namespace pelk {

namespace {

class Win32MemoPeer final : public Win32WindowPeer {
 public:
  explicit Win32MemoPeer(TMemo& memo) : Win32WindowPeer(memo), memo_(memo) {}

  void TextChanged() override {
    if (Window() != nullptr)
      SetText(Window(), memo_.Text());
  }
  void AppearanceChanged() override {
    if (Window() != nullptr)
      SendMessageW(Window(), EM_SETREADONLY, memo_.ReadOnly() ? TRUE : FALSE, 0);
    Win32WindowPeer::AppearanceChanged();
  }

 private:
  WindowClass Class() const override { return {L"EDIT", false}; }
  DWORD Style() const override {
    DWORD style = Win32WindowPeer::Style() | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (!memo_.WordWrap())
      style |= ES_AUTOHSCROLL | WS_HSCROLL;
    if (memo_.ReadOnly())
      style |= ES_READONLY;
    if (memo_.ScrollBars() == TScrollStyle::ssVertical ||
        memo_.ScrollBars() == TScrollStyle::ssBoth) {
      style |= WS_VSCROLL;
    }
    if (memo_.TabStop())
      style |= WS_TABSTOP;
    if (!memo_.Ctl3D())
      style |= WS_BORDER;
    return style;
  }
  DWORD ExStyle() const override { return memo_.Ctl3D() ? WS_EX_CLIENTEDGE : 0; }
  // An edit control lays its text out anew for each font it gets: with the text given after the
  // font, that happens once (on 2026-12-08 a help text took 9 ms to create and 10 more to lay out
  // again in the page's font under Wine; given afterwards, 3 ms in all).
  std::string InitialText() const override { return std::string(); }
  void Made() override { SetText(Window(), memo_.Text()); }

  LRESULT OnSystemMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
    // Wine's multi-line edit control keeps its text's line layout when destroyed (about 600
    // bytes a window); emptied first, it lets it go.
    if (msg == WM_DESTROY)
      Win32WindowPeer::OnSystemMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    return Win32WindowPeer::OnSystemMessage(hwnd, msg, wParam, lParam);
  }

  TMemo& memo_;
};

}  // namespace

std::unique_ptr<Win32WindowPeer> MakeMemoPeer(TControl& control) {
  return std::make_unique<Win32MemoPeer>(static_cast<TMemo&>(control));
}

}  // namespace pelk
