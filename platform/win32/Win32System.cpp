#include "platform/win32/Win32System.h"

namespace pelk {

SystemServices Win32System::Services() {
  return SystemServices{registry_, messages_, screen_, dialogs_, shell_, shutdown_, help_};
}

std::unique_ptr<System> MakeSystem() {
  return std::make_unique<Win32System>();
}

}  // namespace pelk
