#include "template/HostCommand.h"

#include "platform/ERangeError.h"

namespace pelk {

namespace {
// The protocol carries 32-bit parameters; on 64-bit Windows only the low half counts.
std::int32_t AsSigned32(std::uintmax_t raw) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(raw & 0xFFFFFFFFu));
}
}  // namespace

std::uint16_t TippMessageFromRegistered(std::uint32_t registeredId) {
  if (registeredId > 0xFFFFu)
    throw ERangeError();
  return static_cast<std::uint16_t>(registeredId);
}

HostCommand DecodeHostCommand(std::uint16_t tippMessage, std::uint32_t message,
                              std::uintptr_t wParam, std::intptr_t lParam) {
  if (tippMessage == 0 || message != static_cast<std::uint32_t>(tippMessage))
    return {};
  const std::int32_t code = AsSigned32(wParam);
  if (code < 0)
    throw ERangeError();
  const std::int32_t argument = AsSigned32(static_cast<std::uintptr_t>(lParam));
  if (argument < 0)
    throw ERangeError();

  switch (code) {
    case kCommandClose:
      return {HostCommandKind::Close, 0};
    case kCommandSetLeft:
      return {HostCommandKind::SetLeft, argument == 0 ? 1 : argument};
    case kCommandSetTop:
      return {HostCommandKind::SetTop, argument == 0 ? 1 : argument};
    case kCommandSetWidth:
      return {HostCommandKind::SetWidth, argument};
    case kCommandSetHeight:
      return {HostCommandKind::SetHeight, argument};
    case kCommandShow:
      return {HostCommandKind::Show, 0};
    default:  // kCommandNone and every unknown code
      return {HostCommandKind::None, 0};
  }
}

}  // namespace pelk
