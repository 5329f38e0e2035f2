#include "platform/win32/WideText.h"

#include <utility>

#include "platform/Exception.h"
#include "platform/UnicodeText.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

WideString Utf16(std::string_view utf8) {
  std::vector<wchar_t> units;
  units.reserve(utf8.size() + 1);
  if (!AppendUtf16(utf8, units))
    throw EConvertError("Text is not valid UTF-8");
  return WideString(std::move(units));
}

std::string Utf8(const wchar_t* utf16, std::size_t size) {
  std::string narrow;
  narrow.reserve(size);
  if (!AppendUtf8(utf16, size, narrow))
    throw EConvertError("Text holds a broken UTF-16 surrogate pair");
  return narrow;
}

}  // namespace pelk
