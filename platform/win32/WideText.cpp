#include "platform/win32/WideText.h"

#include <climits>

#include "platform/win32/WindowsApi.h"

namespace pelk {

namespace {
// The conversion functions count in int; longer texts are cut (no text of the library is near).
int Length(std::size_t size) {
  return size > INT_MAX / 4 ? INT_MAX / 4 : static_cast<int>(size);
}

WideString Widen(UINT codePage, const char* text, int length) {
  if (length <= 0)
    return WideString();
  const int count = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
  WideString wide(static_cast<std::size_t>(count > 0 ? count : 0));
  if (count > 0)
    MultiByteToWideChar(codePage, 0, text, length, wide.data(), count);
  return wide;
}
}  // namespace

WideString Utf16(std::string_view utf8) {
  return Widen(CP_UTF8, utf8.data(), Length(utf8.size()));
}

std::string Utf8(const wchar_t* utf16, std::size_t size) {
  const int length = Length(size);
  if (length <= 0)
    return std::string();
  const int count = WideCharToMultiByte(CP_UTF8, 0, utf16, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(count > 0 ? count : 0), '\0');
  if (count > 0)
    WideCharToMultiByte(CP_UTF8, 0, utf16, length, &narrow[0], count, nullptr, nullptr);
  return narrow;
}

}  // namespace pelk
