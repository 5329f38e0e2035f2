#include "platform/win32/Win32System.h"

namespace pelk {

SystemServices Win32System::Services() {
  return SystemServices{registry_, messages_, screen_, dialogs_, shell_, shutdown_, help_};
}

}  // namespace pelk
