#pragma once
#include <cstdint>

namespace pelk {

// Name under which the host and every page register their shared window message.
constexpr const char* kTippMessageName = "Morvex";

// The 16-bit id kept for the registered message. Ids above 65535 cannot come from the system
// and raise ERangeError; 0 stays 0 and means the message is not available.
std::uint16_t TippMessageFromRegistered(std::uint32_t registeredId);

}  // namespace pelk
