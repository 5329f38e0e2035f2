// The help memos keep their vertical scroll bar on the screen whether or not their text needs
// it, as a memo with a vertical bar does on Windows.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/OpenPage.h"

namespace pelk {
namespace {

BOOL CALLBACK CollectEdit(HWND child, LPARAM found) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Edit") == 0)
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
  return TRUE;
}

std::vector<HWND> Memos(HWND page) {
  std::vector<HWND> memos;
  EnumChildWindows(page, CollectEdit, reinterpret_cast<LPARAM>(&memos));
  return memos;
}

bool VerticalBarShown(HWND memo) {
  SCROLLBARINFO info = {};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(memo, OBJID_VSCROLL, &info))
    return false;
  return (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0;
}

// A page without help texts and one with the tip's own, one after the other.
class MemoScrollBar : public OpenPage {
 protected:
  MemoScrollBar() : OpenPage(MakePage::ByTheTest) {}
};

TEST_F(MemoScrollBar, ShowsForAnEmptyAndForAFullHelpText) {
  for (int helpId : {0, 412}) {  // no help texts at all; the tip's own
    SCOPED_TRACE(helpId);
    arguments.helpId = helpId;
    ASSERT_TRUE(CreatePage());
    PumpFor(50);
    const std::vector<HWND> memos = Memos(page);
    ASSERT_EQ(memos.size(), 2u);
    for (HWND memo : memos) {
      EXPECT_EQ(GetWindowTextLengthA(memo) == 0, helpId == 0);
      EXPECT_TRUE(VerticalBarShown(memo));
    }
    EXPECT_EQ(session.ModulFree(), 1);
  }
}

}  // namespace
}  // namespace pelk
