#include <gtest/gtest.h>

#include "template/TippActivation.h"
#include "tests/HostProtocol.h"

namespace pelk {
namespace {

TEST(TippActivation, SupportedVersionIsActiveWhateverBSControlSays) {
  for (bool bsControl : {true, false}) {
    const TippActivation nt = DecideActivation(kOsTypeNt, kNtBit, bsControl);
    EXPECT_EQ(nt.osBit, kNtBit);
    EXPECT_TRUE(nt.active);
    EXPECT_FALSE(nt.lock);
  }
  const TippActivation xp = DecideActivation(kOsTypeXp, kXpBit | k2000Bit, true);
  EXPECT_EQ(xp.osBit, kXpBit);
  EXPECT_TRUE(xp.active);
}

TEST(TippActivation, UnsupportedVersionLocksOnlyWhenBSControlIsSet) {
  const TippActivation locked = DecideActivation(kOsTypeXp, kMeBit, true);
  EXPECT_EQ(locked.osBit, kXpBit);
  EXPECT_TRUE(locked.lock);
  EXPECT_FALSE(locked.active);

  const TippActivation usable = DecideActivation(kOsTypeXp, kMeBit, false);
  EXPECT_FALSE(usable.lock);
  EXPECT_TRUE(usable.active);
}

TEST(TippActivation, UnknownVersionHasNoBitAndIsNeverSupported) {
  for (int osType : {0, 19, -3}) {
    SCOPED_TRACE(osType);
    const TippActivation unknown = DecideActivation(osType, -1, true);  // every bit valid
    EXPECT_EQ(unknown.osBit, 0);
    EXPECT_TRUE(unknown.lock);
    EXPECT_FALSE(unknown.active);
    EXPECT_TRUE(DecideActivation(osType, -1, false).active);
  }
  // An empty mask supports nothing, not even the last known version.
  EXPECT_TRUE(DecideActivation(18, 0, true).lock);
  EXPECT_TRUE(DecideActivation(18, 0x20000, true).active);
}

}  // namespace
}  // namespace pelk
