#pragma once
#include <string>
#include <string_view>

namespace pelk {

// Texts inside the library are UTF-8. The module's own texts and its form resources are written
// in Windows-1252; this reads such bytes as the characters they stand for.
std::string Windows1252ToUtf8(std::string_view text);

// The UTF-8 form of one Windows-1252 byte.
std::string Windows1252CharToUtf8(unsigned char byte);

}  // namespace pelk
