#pragma once
#include <cstddef>
#include <string>

namespace pelk {

// A text that arrives through an ANSI interface (the exports' strings, the help library), in the
// system's ANSI code page, as UTF-8. Null reads as "". At most maxBytes are read, so a text
// without its terminating zero is never read without end; a character cut by the bound is
// dropped. Each backend implements it: Windows reads the system's code page, the headless build
// stands for a Windows-1252 system.
std::string AnsiToUtf8(const char* text, std::size_t maxBytes);

}  // namespace pelk
