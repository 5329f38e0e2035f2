#include <gtest/gtest.h>

#include "module/state/ModuleState.h"
#include "module/state/OsTypes.h"

namespace pelk {
namespace {

TEST(OsTypes, IndexOneToEighteenIsItsBitAndAnythingElseTheEmptySet) {
  EXPECT_EQ(OsBitOf(1), 0x1);
  EXPECT_EQ(OsBitOf(10), 0x200);
  EXPECT_EQ(OsBitOf(13), 0x1000);
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

TEST(ModuleState, ChangeStateAndPendingActionFollowTheFlags) {
  ModuleState state;
  EXPECT_EQ(state.ChangeState(), 0);
  state.TippSaved = true;  // applying without a change still answers 0
  EXPECT_EQ(state.ChangeState(), 0);
  state.TippChanged = true;
  EXPECT_EQ(state.ChangeState(), 2);
  state.TippSaved = false;
  EXPECT_EQ(state.ChangeState(), 1);
  EXPECT_EQ(state.PendingAction(), 2);
  state.RestoreDefaults = true;
  EXPECT_EQ(state.PendingAction(), 1);
}

}  // namespace
}  // namespace pelk
