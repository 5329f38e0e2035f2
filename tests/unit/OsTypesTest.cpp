#include <gtest/gtest.h>

#include "module/state/OsTypes.h"
#include "tests/HostProtocol.h"

namespace pelk {
namespace {

TEST(OsTypes, IndexOneToEighteenIsItsBitAndAnythingElseTheEmptySet) {
  EXPECT_EQ(OsBitOf(1), 0x1);
  EXPECT_EQ(OsBitOf(kOsTypeNt), kNtBit);
  EXPECT_EQ(OsBitOf(kOsTypeXp), kXpBit);
  EXPECT_EQ(OsBitOf(18), 0x20000);
  for (int outside : {0, 19, -1, 32, 0x7FFFFFFF, -0x7FFFFFFF - 1}) {
    EXPECT_EQ(OsBitOf(outside), 0) << outside;
  }
}

TEST(OsTypes, NamesCoverBitsZeroToTwelveOnly) {
  EXPECT_STREQ(OsBitName(0), "Windows 98 Standard Edition");
  EXPECT_STREQ(OsBitName(8), "Windows 95 C OEM Service Release 2.5 C");
  EXPECT_STREQ(OsBitName(11), "Windows 98 ME");
  EXPECT_STREQ(OsBitName(12), "Windows XP");
  EXPECT_EQ(OsBitName(13), nullptr);
  EXPECT_EQ(OsBitName(-1), nullptr);
}

}  // namespace
}  // namespace pelk
