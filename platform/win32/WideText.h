#pragma once
// The library keeps its texts in UTF-8 and speaks to the system in UTF-16 (the W functions), so
// every text shows as written whatever the system's ANSI code page. The conversion is the
// library's own (platform/UnicodeText.h): Windows 95 has no CP_UTF8.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelk {

// A zero-terminated UTF-16 text for the W functions. Not std::wstring: the first use of that
// links the runtime's whole wide-string instantiation, about 35 KB on 2026-12-08, into the DLL.
class WideString {
 public:
  WideString() : chars_(1, L'\0') {}
  // `length` characters, all zero, for the system to fill.
  explicit WideString(std::size_t length) : chars_(length + 1, L'\0') {}
  WideString(const wchar_t* text, std::size_t length) : chars_(text, text + length) {
    chars_.push_back(L'\0');
  }
  // Takes the units as they are and ends them with the zero.
  explicit WideString(std::vector<wchar_t> units) : chars_(std::move(units)) {
    chars_.push_back(L'\0');
  }

  const wchar_t* c_str() const { return chars_.data(); }
  wchar_t* data() { return chars_.data(); }
  std::size_t size() const { return chars_.size() - 1; }
  bool empty() const { return size() == 0; }
  // Keeps the first `length` characters (or adds zeros up to it).
  void resize(std::size_t length) {
    chars_.resize(length);
    chars_.push_back(L'\0');
  }
  bool operator==(const WideString& other) const { return chars_ == other.chars_; }

 private:
  std::vector<wchar_t> chars_;  // always ends with one zero more than size()
};

// Both throw EConvertError for a text that is not well formed: never an empty or guessed text.
WideString Utf16(std::string_view utf8);
std::string Utf8(const wchar_t* utf16, std::size_t length);
inline std::string Utf8(const WideString& utf16) {
  return Utf8(utf16.c_str(), utf16.size());
}

}  // namespace pelk
