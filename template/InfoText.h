#pragma once
#include <cstdint>
#include <string>

namespace pelk {

// The text of the Info command: a header for the language, a blank line, then the display name
// of every named bit set in validOsMask, lowest bit first, each line ended by CR LF. Bits without
// a display name add nothing.
std::string InfoText(int language, std::int32_t validOsMask);

}  // namespace pelk
