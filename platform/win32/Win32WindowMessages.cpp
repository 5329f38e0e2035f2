#include "platform/win32/Win32WindowMessages.h"

#include "platform/win32/WindowsApi.h"

namespace pelk {

std::uint32_t Win32WindowMessages::RegisterMessage(const std::string& name) {
  return RegisterWindowMessageA(name.c_str());
}

void Win32WindowMessages::Broadcast(std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
  SendMessageA(HWND_BROADCAST, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

}  // namespace pelk
