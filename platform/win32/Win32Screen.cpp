#include "platform/win32/Win32Screen.h"

#include "platform/win32/WindowsApi.h"

namespace pelk {

namespace {
// The screen's device context, released with the object.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_)
      ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};
}  // namespace

int Win32Screen::PixelsPerInch() {
  ScreenDc dc;
  if (!dc.get())
    return 0;
  return GetDeviceCaps(dc.get(), LOGPIXELSX);
}

}  // namespace pelk
