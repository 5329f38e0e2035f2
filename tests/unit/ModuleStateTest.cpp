#include <gtest/gtest.h>

#include "module/state/ModuleState.h"

namespace pelk {
namespace {

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
