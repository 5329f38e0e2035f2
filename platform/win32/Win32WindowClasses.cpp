#include "platform/win32/Win32WindowClasses.h"

#include "platform/win32/SystemCursor.h"
#include "platform/win32/Win32HintWindow.h"
#include "platform/win32/Win32Module.h"
#include "platform/win32/Win32WindowPeer.h"

namespace pelk {

Win32WindowClasses::Win32WindowClasses() {
  Register(kForm, &Win32WindowPeer::OwnWndProc, CS_DBLCLKS);
  Register(kPanel, &Win32WindowPeer::OwnWndProc, CS_DBLCLKS);
  Register(kSpeedButton, &Win32WindowPeer::OwnWndProc, CS_DBLCLKS);
  Register(kHint, &Win32HintWindow::WindowProc, CS_SAVEBITS);
}

Win32WindowClasses::~Win32WindowClasses() {
  for (int i = 0; i < count_; ++i)
    UnregisterClassW(registered_[i], CodeModule());
}

// A class the system refuses stays unregistered: making a window of it fails, which the page
// reports as any window the system refuses.
void Win32WindowClasses::Register(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  info.style = style;
  info.lpfnWndProc = procedure;
  info.hInstance = CodeModule();
  info.hCursor = LoadSystemCursor(SystemCursor::Arrow);
  info.lpszClassName = name;
  if (RegisterClassExW(&info) != 0)
    registered_[count_++] = name;
}

}  // namespace pelk
