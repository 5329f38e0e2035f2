// A panel: a window of the library's own, filled with its colour, with an optional bevel and
// caption.
#include "platform/gui/TPanel.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32PeerTable.h"
#include "platform/win32/Win32WindowClasses.h"

namespace pelk {

namespace {

class Win32PanelPeer final : public Win32WindowPeer {
 public:
  using Win32WindowPeer::Win32WindowPeer;

 private:
  WindowClass Class() const override { return {Win32WindowClasses::kPanel, true}; }
  DWORD Style() const override { return Win32WindowPeer::Style() | WS_CLIPCHILDREN; }
  bool UsesFont() const override { return false; }

  void Paint(HDC target) override {
    RECT rect;
    GetClientRect(Window(), &rect);
    const auto* panel = dynamic_cast<const TPanel*>(&control_);
    if (panel == nullptr ||
        (panel->BevelOuter() == TBevelCut::bvNone && panel->Caption().empty())) {
      FillRect(target, &rect, Brush());  // one fill cannot flicker: no buffer needed
      return;
    }
    BufferDc buffer(target, rect.right, rect.bottom);
    FillRect(buffer.get(), &rect, Brush());
    if (panel->BevelOuter() == TBevelCut::bvRaised)
      DrawEdge(buffer.get(), &rect, BDR_RAISEDOUTER, BF_RECT);
    if (panel->BevelOuter() == TBevelCut::bvLowered)
      DrawEdge(buffer.get(), &rect, BDR_SUNKENOUTER, BF_RECT);
    if (!panel->Caption().empty()) {
      SetBkMode(buffer.get(), TRANSPARENT);
      const WideString caption = Utf16(panel->Caption());
      DrawTextW(buffer.get(), caption.c_str(), static_cast<int>(caption.size()), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    BitBlt(target, 0, 0, rect.right, rect.bottom, buffer.get(), 0, 0, SRCCOPY);
  }
};

}  // namespace

std::unique_ptr<Win32WindowPeer> MakePanelPeer(TControl& control) {
  return std::make_unique<Win32PanelPeer>(control);
}

}  // namespace pelk
