#include "module/state/OsTypes.h"

namespace pelk {

namespace {
const char* const kOsNames[kNamedOsBits] = {
    "Windows 98 Standard Edition",
    "Windows 98 Standard Edition A",
    "Windows 98 Second Edition",
    "Windows 95",
    "Windows 95 A",
    "Windows 95 B",
    "Windows 95 B OEM Service Release 2",
    "Windows 95 B OEM Service Release 2.1",
    "Windows 95 C OEM Service Release 2.5 C",
    "Windows NT",
    "Windows 2000",
    "Windows 98 ME",
    "Windows XP",
};
}  // namespace

std::int32_t OsBitOf(int osType) {
  if (osType < kFirstOsType || osType > kLastOsType)
    return 0;
  return static_cast<std::int32_t>(1u << (osType - 1));
}

const char* OsBitName(int bitIndex) {
  if (bitIndex < 0 || bitIndex >= kNamedOsBits)
    return nullptr;
  return kOsNames[bitIndex];
}

}  // namespace pelk
