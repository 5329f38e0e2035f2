#include "module/state/TippMessage.h"

#include "platform/Exception.h"

namespace pelk {

std::uint16_t TippMessageFromRegistered(std::uint32_t registeredId) {
  if (registeredId > 0xFFFFu)
    throw ERangeError();
  return static_cast<std::uint16_t>(registeredId);
}

}  // namespace pelk
