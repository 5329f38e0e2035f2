#pragma once
// The library keeps its texts in UTF-8 and speaks to the system in UTF-16 (the W functions), so
// every text shows as written whatever the system's ANSI code page.
#include <string>
#include <string_view>

namespace pelk {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

}  // namespace pelk
