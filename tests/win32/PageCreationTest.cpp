// Pages that the system will not make, or that come with help texts beyond any real one's size:
// the user learns why a page is missing, and a text without end is cut.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/OpenPage.h"

namespace pelk {
namespace {

LRESULT CALLBACK RefusePageWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t name[32] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), name, 32);
    if (lstrcmpW(name, L"PelkForm") == 0)
      return 1;  // refused, as when the system runs out of window handles
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Its test makes its pages itself, the first of them one that the system refuses.
class PageCreation : public OpenPage {
 protected:
  PageCreation() : OpenPage(MakePage::ByTheTest) {}
};

TEST_F(PageCreation, AWindowTheSystemRefusesIsReportedAndLongHelpTextsShowWhole) {
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefusePageWindows, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  {
    MessageBoxAnswerer report(GetCurrentThreadId(), IDOK);
    EXPECT_EQ(session.Create(arguments, 200), 0);  // waiting 200 ms for a window that never comes
    report.Join();
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(report.Answered()) << "the host shows an empty place and the user learns why";
    EXPECT_EQ(report.Text().rfind("Die Seite kann nicht angezeigt werden.", 0), 0u)
        << report.Text();
  }
  EXPECT_EQ(session.Page(), nullptr);
  EXPECT_EQ(session.ModulFree(), 1);

  // The next pages come with a help text longer than any real one (48 KB), shown whole, and
  // with one that has no end (1 MB, then memory that may not be read), cut at 1 MB. The last
  // line break ends the memo's last line and is not shown.
  for (const int helpId : {414, 413}) {
    SCOPED_TRACE(helpId);
    arguments.helpId = helpId;
    EXPECT_EQ(session.Create(arguments), 0);
    ASSERT_NE(session.Page(), nullptr);
    HWND memo = VisibleMemo(session.Page());
    ASSERT_NE(memo, nullptr);
    const std::size_t length = helpId == 414 ? 48u * 1024u : 1024u * 1024u;
    const std::wstring shown = WideWindowText(memo);
    EXPECT_EQ(shown.size(), length - 2u);
    EXPECT_TRUE(shown == FromWindows1252(std::string(GetHelpText(helpId, 2), length - 2u)));
    EXPECT_EQ(session.ModulFree(), 1);
  }
}

}  // namespace
}  // namespace pelk
