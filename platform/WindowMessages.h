#pragma once
#include <cstdint>
#include <string>

namespace pelk {

// A top-level window as the message service sees it.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual std::intptr_t ReceiveMessage(std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
};

// Registered window messages and broadcasts to every top-level window.
class WindowMessages {
 public:
  virtual ~WindowMessages() = default;

  // The id the system hands out for the name (0xC000..0xFFFF), or 0 when it refuses.
  virtual std::uint32_t RegisterMessage(const std::string& name) = 0;

  // Sends to every top-level window, this process's own included, and returns when all of them
  // have handled the message. The replies are not collected.
  virtual void Broadcast(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;

  // Top-level windows of this process announce themselves here. On Windows the system keeps the
  // window list and these do nothing; the headless desktop delivers broadcasts to them.
  virtual void AddTopLevel(MessageTarget& /*window*/) {}
  virtual void RemoveTopLevel(MessageTarget& /*window*/) {}
};

}  // namespace pelk
