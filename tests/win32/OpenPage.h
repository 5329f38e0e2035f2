#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/BroadcastReceiver.h"
#include "tests/win32/ContextMenuEntries.h"
#include "tests/win32/PageSession.h"

namespace pelk {

// A test with the real page open in this process as a host has it: both context-menu entries
// shown, a window of the host's own that records the broadcasts, and the page made with the
// default arguments under a caption named after the test.
class OpenPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(entries.Show());
    ASSERT_TRUE(session.Loaded()) << session.LoadError();
    arguments.caption =
        std::string("Pelk412 ") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_EQ(session.Create(arguments), 0);
    page = session.Page();
    ASSERT_NE(page, nullptr);
  }

  ContextMenuEntries entries;
  BroadcastReceiver receiver;
  PageSession session;
  PageArguments arguments;
  HWND page = nullptr;
};

}  // namespace pelk
