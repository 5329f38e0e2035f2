#pragma once
#include <cstdint>

#include "module/state/TippMessage.h"

namespace pelk {

// Command codes the host sends in wParam.
constexpr std::int32_t kCommandClose = 0;
constexpr std::int32_t kCommandSetLeft = 10;
constexpr std::int32_t kCommandSetTop = 11;
constexpr std::int32_t kCommandSetWidth = 12;
constexpr std::int32_t kCommandSetHeight = 13;
constexpr std::int32_t kCommandNone = 100;
constexpr std::int32_t kCommandShow = 200;

// Notifications the page broadcasts: wParam code and lParam value.
struct HostNotification {
  std::uintptr_t code;
  std::intptr_t value;
};
constexpr std::int32_t kNotifySwitchWindow = 200;
constexpr std::int32_t kNotifyOkDone = 9999;

// Asks every window to switch to the page; the page itself answers by showing itself.
constexpr HostNotification SwitchWindowNotification() {
  return {kNotifySwitchWindow, 0};
}

// Tells the host that OK ran, with the pending action (1 restore defaults, 2 apply).
constexpr HostNotification OkNotification(int pendingAction) {
  return {kNotifyOkDone, static_cast<std::intptr_t>(pendingAction)};
}

enum class HostCommandKind {
  NotProtocol,  // some other message: default processing only
  Close,
  SetLeft,
  SetTop,
  SetWidth,
  SetHeight,
  Show,
  None,  // a protocol message that asks for nothing
};

struct HostCommand {
  HostCommandKind kind = HostCommandKind::NotProtocol;
  std::int32_t value = 0;  // the coordinate or size for the four bounds commands
};

// Decodes one message that reached the page. With tippMessage 0 (registration failed) nothing
// is the protocol message. A protocol message whose wParam or lParam is not a non-negative 32-bit
// number (negative, or from a 64-bit message anything above 2^31-1) raises ERangeError before any
// command is decided. Left and top of 0 become 1;
// width and height of 0 pass unchanged.
HostCommand DecodeHostCommand(std::uint16_t tippMessage, std::uint32_t message,
                              std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace pelk
