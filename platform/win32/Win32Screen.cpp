#include "platform/win32/Win32Screen.h"

#include "platform/win32/Win32Handles.h"

namespace pelk {

int Win32Screen::PixelsPerInch() {
  const WindowDc dc(nullptr);  // the whole screen's
  if (!dc.get())
    return 0;
  return GetDeviceCaps(dc.get(), LOGPIXELSX);
}

}  // namespace pelk
