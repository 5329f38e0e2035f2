// The page's texts on whatever ANSI code page the system has. CTest runs this once more with
// LC_ALL=ru_RU.UTF-8, which gives Wine's programs the Cyrillic code page 1251: the module's own
// texts and those the host and the help library hand over (all of them Windows-1252) must show
// as written.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/OpenPage.h"
#include "tests/win32/PageCommands.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/ProcessWindows.h"
#include "tests/win32/RealInput.h"

namespace pelk {
namespace {

// The page under a caption of the host's in Windows-1252, with letters of its own beyond Latin-1
// (0x80..0x9F), once the run is known to have the code page it was meant to have.
class OtherCodePage : public OpenPage {
 protected:
  OtherCodePage() { arguments.caption = "Kontextmen\xFC \x84Pelk412\x93 \x80"; }
  void SetUp() override {
    if (const char* expected = std::getenv("PELK_EXPECT_ACP")) {
      ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected))) << "the run's code page";
    }
    OpenPage::SetUp();
  }
};

TEST_F(OtherCodePage, OwnTextsAndTheHostsTextsShowAsWritten) {
  const std::wstring caption = L"Kontextmen\u00fc \u201ePelk412\u201c \u20ac";
  ASSERT_EQ(FromWindows1252(arguments.caption), caption);
  EXPECT_EQ(WideWindowText(page), caption);
  EXPECT_NE(FindWindowExW(page, nullptr, L"Static", caption.c_str()), nullptr) << "the title";

  // The module's own texts.
  HWND box = FindWindowExW(page, nullptr, L"Button", nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WideWindowText(box), L"Kontextmen\u00fc f\u00fcr Datei-Operationen anzeigen");
  {
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK);
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(PageLayout(page).Info())));
    ASSERT_TRUE(PumpUntil([&] { return answer.Done(); }, 10000));
    answer.Join();
    EXPECT_EQ(answer.WideText(), L"G\u00fcltig f\u00fcr:\r\n\r\nWindows XP\r\n");
  }

  // The help library's text.
  HWND memo = VisibleMemo(page);
  ASSERT_NE(memo, nullptr);
  const std::wstring help = WideWindowText(memo);
  EXPECT_EQ(help, FromWindows1252(GetHelpText(412, 2)));
  EXPECT_NE(help.find(L"Kontextmen\u00fc"), std::wstring::npos);
  EXPECT_EQ(session.ModulFree(), 1);

  // The registry key the help library names goes into the editor's "LastKey" as written.
  RegistryValueGuard lastKey(HKEY_CURRENT_USER, kRegeditKey, "LastKey");
  ASSERT_TRUE(RemoveValue(HKEY_CURRENT_USER, kRegeditKey, "LastKey"));
  arguments.helpId = 414;
  ASSERT_EQ(session.Create(arguments), 0);
  ASSERT_NE(session.Page(), nullptr);
  ASSERT_TRUE(ClickAt(session.Page(), PageLayout::Centre(PageLayout(session.Page()).Registry())));
  const std::wstring key =
      L"HKEY_CURRENT_USER\\Software\\Pelk412 Tests\\Schl\u00fcssel "
      L"\u201eGr\u00f6\u00dfe\u201c \u20ac";
  ASSERT_EQ(FromWindows1252(GetHelpText(414, 5)), key);
  const std::wstring regedit = FromWindows1252(kRegeditKey);
  EXPECT_TRUE(PumpUntil(
      [&] { return ReadWideStringValue(HKEY_CURRENT_USER, regedit, L"LastKey") == key; }));
  // The editor's title is in the run's language: found by its window class.
  if (HWND editor = WaitForProcessWindow(0, "RegEdit_RegEdit", "", 15000))
    EXPECT_TRUE(CloseAndWaitForProcess(editor, 10000));
  else
    ADD_FAILURE() << "no registry editor appeared";
  EXPECT_EQ(session.ModulFree(), 1);
}

}  // namespace
}  // namespace pelk
