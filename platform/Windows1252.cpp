#include "platform/Windows1252.h"

#include "platform/UnicodeText.h"

namespace pelk {

namespace {

// 0x80..0x9F are where Windows-1252 differs from Latin-1; 0 marks the five unassigned bytes,
// which read as the C1 control of the same number, as the system's own conversion does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodeOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0)
    return kHighControls[byte - 0x80];
  return byte;
}

}  // namespace

std::string Windows1252CharToUtf8(unsigned char byte) {
  std::string out;
  AppendUtf8(out, CodeOf(byte));
  return out;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text)
    AppendUtf8(out, CodeOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Windows1252ToUtf8(const char* text, std::size_t maxBytes) {
  if (text == nullptr)
    return std::string();
  std::size_t length = 0;
  while (length < maxBytes && text[length] != '\0')  // byte by byte: nothing past the zero
    ++length;
  return Windows1252ToUtf8(std::string_view(text, length));
}

}  // namespace pelk
