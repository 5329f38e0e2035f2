// A static text: the system's static control, subclassed.
#include "platform/gui/TStaticText.h"
#include "platform/win32/Win32PeerTable.h"

namespace pelk {

namespace {

class Win32StaticTextPeer final : public Win32WindowPeer {
 public:
  explicit Win32StaticTextPeer(TStaticText& text) : Win32WindowPeer(text), text_(text) {}

 private:
  WindowClass Class() const override { return {L"STATIC", false}; }
  DWORD Style() const override {
    const TAlignment alignment = text_.Alignment();
    return Win32WindowPeer::Style() | SS_NOPREFIX |
           (alignment == TAlignment::taCenter         ? SS_CENTER
            : alignment == TAlignment::taRightJustify ? SS_RIGHT
                                                      : SS_LEFT);
  }

  TStaticText& text_;
};

}  // namespace

std::unique_ptr<Win32WindowPeer> MakeStaticTextPeer(TControl& control) {
  return std::make_unique<Win32StaticTextPeer>(static_cast<TStaticText&>(control));
}

}  // namespace pelk
