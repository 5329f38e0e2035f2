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
//
// A fixture whose tests need other arguments, or something in the registry before the page
// reads it, derives with MakePage::ByTheTest: its tests change `arguments` and then call
// CreatePage() themselves.
class OpenPage : public ::testing::Test {
 protected:
  enum class MakePage { AtSetUp, ByTheTest };

  explicit OpenPage(MakePage makePage = MakePage::AtSetUp) : makePage_(makePage) {
    arguments.caption =
        std::string("Pelk412 ") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }

  void SetUp() override {
    ASSERT_TRUE(entries.Show());
    ASSERT_TRUE(session.Loaded()) << session.LoadError();
    if (makePage_ == MakePage::AtSetUp) {
      ASSERT_TRUE(CreatePage());
    }
  }

  // ModulCreate with `arguments`; then `page` is the page's window. False, with the failure
  // reported, unless ModulCreate answered 0 and the window appeared.
  [[nodiscard]] bool CreatePage() {
    const int created = session.Create(arguments);
    EXPECT_EQ(created, 0);
    page = session.Page();
    EXPECT_NE(page, nullptr) << "no page titled " << arguments.caption;
    return created == 0 && page != nullptr;
  }

  ContextMenuEntries entries;
  BroadcastReceiver receiver;
  PageSession session;
  PageArguments arguments;
  HWND page = nullptr;

 private:
  MakePage makePage_;
};

}  // namespace pelk
