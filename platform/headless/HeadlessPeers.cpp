// The native build has no windows: controls keep their state and a test driver raises the
// events that real input would.
#include "platform/gui/Peers.h"
#include "platform/gui/TForm.h"

namespace pelk {

std::unique_ptr<ControlPeer> CreateControlPeer(TControl&) {
  return nullptr;
}

std::unique_ptr<ControlPeer> CreateFormPeer(TForm&) {
  return nullptr;
}

// The frame of a Windows 2000 style window at 96 pixels per inch: 3-pixel fixed border (4
// when sizeable) and an 18-pixel caption with its 1-pixel edge.
FrameSize FormFrameSize(const TForm& form) {
  switch (form.BorderStyle()) {
    case TFormBorderStyle::bsNone:
      return {0, 0};
    case TFormBorderStyle::bsSizeable:
      return {8, 27};
    case TFormBorderStyle::bsToolWindow:
      return {6, 22};
    case TFormBorderStyle::bsSizeToolWin:
      return {8, 24};
    default:
      return {6, 25};
  }
}

void ShowPopupMenu(TPopupMenu&, int, int) {}

}  // namespace pelk
