#pragma once
#include <cstdint>

namespace pelk {

constexpr int kFirstOsType = 1;
constexpr int kLastOsType = 18;
constexpr int kNamedOsBits = 13;  // bits 0..12 have display names
constexpr int kOsTypeWindowsNT = 10;
constexpr int kOsTypeWindows2000 = 11;

// The host's Windows version index 1..18 as its bit in ValidOsMask; anything else is the empty
// set.
std::int32_t OsBitOf(int osType);

// Display name of bit 0..12 ("Windows 98 Standard Edition" .. "Windows XP"); null for the others.
const char* OsBitName(int bitIndex);

}  // namespace pelk
