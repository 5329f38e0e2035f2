#pragma once
#include "platform/WindowMessages.h"

namespace pelk {

// Registered messages and HWND_BROADCAST; the system keeps the list of top-level windows.
class Win32WindowMessages : public WindowMessages {
 public:
  // How long a broadcast waits for each window of another thread.
  static constexpr unsigned kBroadcastTimeoutMs = 1000;

  std::uint32_t RegisterMessage(const std::string& name) override;
  void Broadcast(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
};

}  // namespace pelk
