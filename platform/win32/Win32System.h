#pragma once
#include "platform/System.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32HelpTexts.h"
#include "platform/win32/Win32RegistryStore.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Shutdown.h"
#include "platform/win32/Win32WindowClasses.h"
#include "platform/win32/Win32WindowMessages.h"

namespace pelk {

// The real system services, one of each.
class Win32System final : public System {
 public:
  SystemServices Services() override;

 private:
  Win32WindowClasses windowClasses_;  // first made, last gone: after every window of the page
  Win32RegistryStore registry_;
  Win32WindowMessages messages_;
  Win32Screen screen_;
  Win32Dialogs dialogs_;
  Win32Shell shell_;
  Win32Shutdown shutdown_;
  Win32HelpTexts help_;
};

}  // namespace pelk
