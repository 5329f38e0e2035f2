#pragma once
#include <memory>

#include "platform/win32/Win32WindowPeer.h"

namespace pelk {

// One maker per kind of native control, each in the file of its peer class. The table in
// Win32PeerTable.cpp says which control classes each serves.
std::unique_ptr<Win32WindowPeer> MakePanelPeer(TControl& control);
std::unique_ptr<Win32WindowPeer> MakeSpeedButtonPeer(TControl& control);
std::unique_ptr<Win32WindowPeer> MakeMemoPeer(TControl& control);
std::unique_ptr<Win32WindowPeer> MakeStaticTextPeer(TControl& control);
std::unique_ptr<Win32WindowPeer> MakeCheckBoxPeer(TControl& control);

}  // namespace pelk
