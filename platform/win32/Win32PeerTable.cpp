// Which peer a control gets: the first row whose class the control's class is or derives from,
// looked up from the control's own class upwards. A new native control is a peer class in a file
// of its own and a row here.
#include "platform/win32/Win32PeerTable.h"

#include "platform/Exception.h"
#include "platform/gui/TCheckBox.h"
#include "platform/gui/TMemo.h"
#include "platform/gui/TPanel.h"
#include "platform/gui/TSpeedButton.h"
#include "platform/gui/TStaticText.h"

namespace pelk {

namespace {

struct PeerRow {
  const ClassInfo& (*controlClass)();
  std::unique_ptr<Win32WindowPeer> (*make)(TControl&);
};

const PeerRow kPeers[] = {
    {&TSpeedButton::StaticClass, &MakeSpeedButtonPeer},
    {&TMemo::StaticClass, &MakeMemoPeer},
    {&TStaticText::StaticClass, &MakeStaticTextPeer},
    {&TCheckBox::StaticClass, &MakeCheckBoxPeer},
    {&TPanel::StaticClass, &MakePanelPeer},
    // Any other windowed control is drawn as a plain panel.
    {&TWinControl::StaticClass, &MakePanelPeer},
};

}  // namespace

std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) {
  if (control.Parent() == nullptr || control.Parent()->Handle() == 0)
    return nullptr;
  for (const ClassInfo* info = &control.Class(); info != nullptr; info = info->parent) {
    for (const PeerRow& row : kPeers) {
      if (info != &row.controlClass())
        continue;
      std::unique_ptr<Win32WindowPeer> peer = row.make(control);
      if (!peer->Create())
        throw EOutOfResources("The window of " + control.Name() + " could not be made");
      return peer;
    }
  }
  return nullptr;  // a windowless control of a class this backend does not draw
}

}  // namespace pelk
