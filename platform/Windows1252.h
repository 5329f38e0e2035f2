#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pelk {

// Texts inside the library are UTF-8. The module's own texts and its form resources are written
// in Windows-1252, and so are the texts other modules of the collection hand over (the host's
// caption and hint, the help library's texts) whatever the system's code page; this reads such
// bytes as the characters they stand for.
std::string Windows1252ToUtf8(std::string_view text);

// A zero-terminated Windows-1252 text that belongs to someone else, copied. Null reads as "". At
// most maxBytes are read, so a text without its terminating zero is never read without end.
std::string Windows1252ToUtf8(const char* text, std::size_t maxBytes);

// The UTF-8 form of one Windows-1252 byte.
std::string Windows1252CharToUtf8(unsigned char byte);

}  // namespace pelk
