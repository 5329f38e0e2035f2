#include <gtest/gtest.h>

#include "template/InfoText.h"
#include "tests/HostProtocol.h"

namespace pelk {
namespace {

const std::string kEnglishHeader = "Valid for:\r\n\r\n";
const std::string kGermanHeader = std::string("Gültig für:") + "\r\n\r\n";

TEST(InfoText, EmptyOrUnnamedMaskGivesTheHeaderAloneInTheChosenLanguage) {
  EXPECT_EQ(InfoText(1, 0), kEnglishHeader);
  EXPECT_EQ(InfoText(0, 0), kGermanHeader);
  const std::int32_t unnamedOnly = static_cast<std::int32_t>(0xFFFFE000u);  // bits 13..31
  EXPECT_EQ(InfoText(1, unnamedOnly), kEnglishHeader);
  EXPECT_EQ(InfoText(0, unnamedOnly), kGermanHeader);
  for (int otherCode : {2, -1, 1000}) {
    EXPECT_EQ(InfoText(otherCode, 0), kGermanHeader) << otherCode;
  }
}

TEST(InfoText, NamesFollowTheBitsInAscendingOrder) {
  // NT, 2000 and XP: the order of the bits, not of the release dates.
  EXPECT_EQ(InfoText(1, kNtBit | k2000Bit | kXpBit),
            kEnglishHeader + "Windows NT\r\nWindows 2000\r\nWindows XP\r\n");
  EXPECT_EQ(InfoText(0, kXpBit | kMeBit | k2000Bit),
            kGermanHeader + "Windows 2000\r\nWindows 98 ME\r\nWindows XP\r\n");
}

TEST(InfoText, AllNamedBitsGiveThirteenLinesAndUnnamedBitsAddNothing) {
  const std::string expected = kEnglishHeader +
                               "Windows 98 Standard Edition\r\n"
                               "Windows 98 Standard Edition A\r\n"
                               "Windows 98 Second Edition\r\n"
                               "Windows 95\r\n"
                               "Windows 95 A\r\n"
                               "Windows 95 B\r\n"
                               "Windows 95 B OEM Service Release 2\r\n"
                               "Windows 95 B OEM Service Release 2.1\r\n"
                               "Windows 95 C OEM Service Release 2.5 C\r\n"
                               "Windows NT\r\n"
                               "Windows 2000\r\n"
                               "Windows 98 ME\r\n"
                               "Windows XP\r\n";
  EXPECT_EQ(InfoText(1, kEveryNamedVersion), expected);
  EXPECT_EQ(InfoText(1, -1), expected);  // every bit, the sign bit included
  EXPECT_EQ(InfoText(0, kEveryNamedVersion).substr(kGermanHeader.size()),
            expected.substr(kEnglishHeader.size()));
}

}  // namespace
}  // namespace pelk
