#pragma once
// The library's own UTF-8 <-> UTF-16 conversion: the system's (CP_UTF8) is missing on Windows 95,
// and a conversion must never silently turn a text into an empty one. Both directions refuse
// input that is not well formed instead of guessing.
#include <cstddef>
#include <string>
#include <string_view>

namespace pelk {

constexpr char32_t kNoCodePoint = 0xFFFFFFFF;

// The code point that starts at `at` in a UTF-8 text, and `at` moved past it; kNoCodePoint (and
// `at` unchanged) where the bytes are no well-formed UTF-8: a stray continuation byte, a sequence
// cut short, an overlong form, a surrogate, or a value above U+10FFFF.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at);

// Appends one code point (below U+110000, no surrogate) as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

// Appends the UTF-16 form of a UTF-8 text to `out` (any container of 16-bit units with
// push_back); false, with `out` as far as it got, when the text is no well-formed UTF-8.
template <class Units>
[[nodiscard]] bool AppendUtf16(std::string_view utf8, Units& out) {
  using Unit = typename Units::value_type;
  static_assert(sizeof(Unit) == 2, "UTF-16 units");
  std::size_t at = 0;
  while (at < utf8.size()) {
    const char32_t code = NextCodePoint(utf8, at);
    if (code == kNoCodePoint)
      return false;
    if (code < 0x10000) {
      out.push_back(static_cast<Unit>(code));
    } else {
      out.push_back(static_cast<Unit>(0xD800 + ((code - 0x10000) >> 10)));
      out.push_back(static_cast<Unit>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
  }
  return true;
}

// Appends the UTF-8 form of `count` UTF-16 units to `out`; false, with `out` as far as it got, at
// a surrogate that is not half of a pair.
template <class Unit>
[[nodiscard]] bool AppendUtf8(const Unit* units, std::size_t count, std::string& out) {
  static_assert(sizeof(Unit) == 2, "UTF-16 units");
  for (std::size_t i = 0; i < count; ++i) {
    const char32_t unit = static_cast<char16_t>(units[i]);
    if (unit < 0xD800 || unit > 0xDFFF) {
      AppendUtf8(out, unit);
      continue;
    }
    const char32_t low = i + 1 < count ? static_cast<char16_t>(units[i + 1]) : 0;
    if (unit > 0xDBFF || low < 0xDC00 || low > 0xDFFF)
      return false;
    AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
    ++i;
  }
  return true;
}

}  // namespace pelk
