#include "platform/UnicodeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelk {
namespace {

std::vector<char16_t> ToUtf16(const std::string& utf8, bool& ok) {
  std::vector<char16_t> units;
  ok = AppendUtf16(utf8, units);
  return units;
}

TEST(UnicodeText, EveryPlaneGoesToUtf16AndBackUnchanged) {
  // ASCII, a Windows-1252 letter, the euro sign, a CJK letter, and a letter beyond the BMP.
  const std::string text = "Kontextmen\xC3\xBC \xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x98\x80";
  bool ok = false;
  const std::vector<char16_t> units = ToUtf16(text, ok);
  ASSERT_TRUE(ok);
  const std::vector<char16_t> expected = {u'K',   u'o', u'n',   u't', u'e',   u'x',
                                          u't',   u'm', u'e',   u'n', 0x00FC, u' ',
                                          0x20AC, u' ', 0x4E2D, u' ', 0xD83D, 0xDE00};
  EXPECT_EQ(units, expected);
  std::string back;
  ASSERT_TRUE(AppendUtf8(units.data(), units.size(), back));
  EXPECT_EQ(back, text);
  // Zeros inside a text (a registry list) are characters like any other.
  const std::string withZero("a\0b", 3);
  EXPECT_EQ(ToUtf16(withZero, ok), (std::vector<char16_t>{u'a', 0, u'b'}));
  EXPECT_TRUE(ok);
}

TEST(UnicodeText, MalformedTextIsRefusedNotShortened) {
  for (const std::string bad :
       {"\x80", "a\xC3", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xF5\x80\x80\x80", "\xE2\x82", "\xE2\x28\xAC", "\xFF"}) {
    bool ok = true;
    ToUtf16("ok " + bad, ok);
    EXPECT_FALSE(ok) << "accepted bytes of length " << bad.size();
  }
  const std::vector<std::vector<char16_t>> broken = {
      {0xD800}, {u'a', 0xDC00}, {0xD83D, u'x'}, {0xDE00, 0xD83D}};
  for (const auto& units : broken) {
    std::string out;
    EXPECT_FALSE(AppendUtf8(units.data(), units.size(), out)) << units.size() << " units";
  }
}

}  // namespace
}  // namespace pelk
