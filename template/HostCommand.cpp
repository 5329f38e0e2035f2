#include "template/HostCommand.h"

#include "platform/Exception.h"

namespace pelk {

namespace {
// The protocol's parameters are non-negative 32-bit integers, 0..2^31-1. In a 32-bit message a
// negative one has its top bit set; in a 64-bit message it arrives sign-extended (top bits set),
// or zero-extended from a 32-bit variable (above 2^31-1), and a value with anything in the upper
// half is no 32-bit integer at all. One test refuses all of these alike on either width.
constexpr std::uintptr_t kLargestParameter = 0x7FFFFFFF;

std::int32_t Parameter(std::uintptr_t raw) {
  if (raw > kLargestParameter)
    throw ERangeError();
  return static_cast<std::int32_t>(raw);
}
}  // namespace

HostCommand DecodeHostCommand(std::uint16_t tippMessage, std::uint32_t message,
                              std::uintptr_t wParam, std::intptr_t lParam) {
  if (tippMessage == 0 || message != static_cast<std::uint32_t>(tippMessage))
    return {};
  const std::int32_t code = Parameter(wParam);
  const std::int32_t argument = Parameter(static_cast<std::uintptr_t>(lParam));

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
