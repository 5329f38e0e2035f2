#include "platform/win32/WideText.h"

#include <climits>
#include <utility>

#include "platform/AnsiText.h"
#include "platform/EConvertError.h"
#include "platform/UnicodeText.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

namespace {
// The system's conversion counts in int; longer texts are cut (no text of the library is near).
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

std::string AnsiToUtf8(const char* text, std::size_t maxBytes) {
  if (text == nullptr)
    return std::string();
  std::size_t length = 0;
  while (length < maxBytes && text[length] != '\0')
    ++length;
  // A double-byte character whose second byte fell beyond the bound is dropped, not garbled.
  if (length == maxBytes && length > 0 &&
      IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(text[length - 1]))) {
    std::size_t lead = 0;
    while (lead < length) {
      const std::size_t step = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(text[lead])) ? 2 : 1;
      if (lead + step > length)
        break;
      lead += step;
    }
    length = lead;
  }
  return Utf8(Widen(CP_ACP, text, Length(length)));
}

}  // namespace pelk
