#include "platform/win32/Win32WindowMessages.h"

#include "platform/win32/WindowsApi.h"

namespace pelk {

std::uint32_t Win32WindowMessages::RegisterMessage(const std::string& name) {
  return RegisterWindowMessageA(name.c_str());
}

void Win32WindowMessages::Broadcast(std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
  // Windows of this thread (the page, the host's windows) get it at once, in order, before the
  // call returns. A window of another thread gets a while to answer; one whose thread reads no
  // messages at all is passed over, instead of holding the page and its host until it wakes.
  DWORD_PTR reply = 0;
  SendMessageTimeoutW(HWND_BROADCAST, message, static_cast<WPARAM>(wParam),
                      static_cast<LPARAM>(lParam), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                      kBroadcastTimeoutMs, &reply);
}

}  // namespace pelk
