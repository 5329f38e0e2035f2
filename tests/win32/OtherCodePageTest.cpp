// The page's texts on whatever ANSI code page the system has. CTest runs this once more with
// LC_ALL=ru_RU.UTF-8, which gives Wine's programs the Cyrillic code page 1251: the module's own
// texts (written in Windows-1252) and the host's texts (in the system's code page) must both show
// as written.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/win32/ContextMenuEntries.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/RealInput.h"

namespace pelk {
namespace {

std::wstring FromAnsi(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                           static_cast<int>(text.size()), &wide[0],
                                                           static_cast<int>(wide.size()))));
  return wide;
}

std::string ToAnsi(const std::wstring& text) {
  std::string narrow(text.size() * 2, '\0');
  narrow.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0],
                          static_cast<int>(narrow.size()), nullptr, nullptr)));
  return narrow;
}

std::wstring WideText(HWND window) {
  wchar_t text[4096] = L"";
  GetWindowTextW(window, text, 4096);
  return text;
}

TEST(OtherCodePage, OwnTextsAndTheHostsTextsShowAsWritten) {
  if (const char* expected = std::getenv("PELK_EXPECT_ACP")) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected))) << "the run's code page";
  }
  ContextMenuEntries entries;
  ASSERT_TRUE(entries.Show());
  PageSession session;
  ASSERT_TRUE(session.Loaded()) << session.LoadError();
  // The host hands over a Cyrillic caption in the system's code page (on a 1252 system the
  // letters have no bytes there and arrive as question marks, which then show as such).
  const std::wstring caption = L"\u041c\u0435\u043d\u044e \u041f\u0435\u043b\u043a412";
  PageArguments arguments;
  arguments.caption = ToAnsi(caption);
  ASSERT_EQ(session.Create(arguments), 0);
  HWND page = session.Page();
  ASSERT_NE(page, nullptr);
  const std::wstring asWritten = FromAnsi(arguments.caption);
  if (GetACP() == 1251) {
    EXPECT_EQ(asWritten, caption);
  }
  EXPECT_EQ(WideText(page), asWritten);
  EXPECT_NE(FindWindowExW(page, nullptr, L"Static", asWritten.c_str()), nullptr) << "the title";

  // The module's own texts, whatever the code page.
  HWND box = FindWindowExW(page, nullptr, L"Button", nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WideText(box), L"Kontextmen\u00fc f\u00fcr Datei-Operationen anzeigen");
  {
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK);
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(PageLayout(page).Info())));
    ASSERT_TRUE(PumpUntil([&] { return answer.Done(); }, 10000));
    answer.Join();
    EXPECT_EQ(answer.WideText(), L"G\u00fcltig f\u00fcr:\r\n\r\nWindows XP\r\n");
  }

  // The help library's text is in the system's code page too.
  HWND memo = nullptr;
  while ((memo = FindWindowExW(page, memo, L"Edit", nullptr)) != nullptr &&
         !IsWindowVisible(memo)) {
  }
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(WideText(memo), FromAnsi(GetHelpText(412, 2)));
  EXPECT_EQ(session.ModulFree(), 1);
}

}  // namespace
}  // namespace pelk
