// The template's own commands on the real page: Info, Registry and the window switch (F12).
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/HostProtocol.h"
#include "tests/win32/OpenPage.h"
#include "tests/win32/PageCommands.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/ProcessWindows.h"
#include "tests/win32/RealInput.h"
#include "tests/win32/RegistryFixture.h"
#include "tests/win32/ScreenPicture.h"

namespace pelk {
namespace {

// Each test makes its page: the Info test with other languages and versions.
class PageButtons : public OpenPage {
 protected:
  PageButtons() : OpenPage(MakePage::ByTheTest) {}
};

TEST_F(PageButtons, InfoListsTheSupportedVersionsInThePagesLanguage) {
  {
    arguments.language = 1;
    // Bits 13 and 17 stand for versions without a name, which the list leaves out.
    arguments.validOsMask = kNtBit | k2000Bit | kXpBit | 0x2000 | 0x20000;
    ASSERT_TRUE(CreatePage());
    EXPECT_EQ(InfoText(page), "Valid for:\r\n\r\nWindows NT\r\nWindows 2000\r\nWindows XP\r\n");
    EXPECT_EQ(session.ModulChanged(), 0);
    EXPECT_EQ(session.ModulFree(), 1);
  }
  {
    arguments.language = 2;
    arguments.validOsMask = kEveryNamedVersion;
    ASSERT_TRUE(CreatePage());
    EXPECT_EQ(InfoText(page),
              "G\xFCltig f\xFCr:\r\n\r\n"
              "Windows 98 Standard Edition\r\n"
              "Windows 98 Standard Edition A\r\n"
              "Windows 98 Second Edition\r\n"
              "Windows 95\r\n"
              "Windows 95 A\r\n"
              "Windows 95 B\r\n"
              "Windows 95 B OEM Service Release 2\r\n"
              "Windows 95 B OEM Service Release 2.1\r\n"
              "Windows 95 C OEM Service Release 2.5 C\r\n"
              "Windows NT\r\n"
              "Windows 2000\r\n"
              "Windows 98 ME\r\n"
              "Windows XP\r\n");
  }
}

TEST_F(PageButtons, RegistryWritesLastKeyAndStartsTheEditor) {
  RegistryValueGuard lastKey(HKEY_CURRENT_USER, kRegeditKey, "LastKey");
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, kRegeditKey, "LastKey", "HKEY_CURRENT_USER"));
  ASSERT_EQ(FindProcessWindow(0, "", "Registry Editor"), nullptr)
      << "a registry editor is open already";
  ASSERT_TRUE(CreatePage());

  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(PageLayout(page).Registry())));
  const std::string expected = GetHelpText(412, 5);
  EXPECT_TRUE(PumpUntil(
      [&] { return ReadStringValue(HKEY_CURRENT_USER, kRegeditKey, "LastKey") == expected; }));
  HWND editor = WaitForProcessWindow(0, "", "Registry Editor", 15000);
  ASSERT_NE(editor, nullptr) << "no registry editor appeared";
  DWORD editorProcess = 0;
  GetWindowThreadProcessId(editor, &editorProcess);
  EXPECT_NE(editorProcess, GetCurrentProcessId());
  EXPECT_TRUE(CloseAndWaitForProcess(editor, 10000));
  EXPECT_TRUE(IsWindow(page));
  EXPECT_EQ(session.ModulChanged(), 0);
}

TEST_F(PageButtons, F12SwitchesWindowsOnceAndBringsThePageToTheFront) {
  ASSERT_TRUE(CreatePage());
  const PageLayout layout(page);

  // The user clicks into the page; then another window comes over it without the keyboard.
  ASSERT_TRUE(ClickAt(page, layout.Background()));
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == page; }));
  const RECT bounds = [&] {
    RECT rect{};
    GetWindowRect(page, &rect);
    return rect;
  }();
  HWND cover =
      CreateWindowExA(0, "STATIC", "Pelk412 cover", WS_POPUP | WS_BORDER | SS_NOTIFY, bounds.left,
                      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                      nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(PumpUntil([&] { return !WindowIsAt(page, layout.Background()); }));
  ASSERT_EQ(GetForegroundWindow(), page);

  ASSERT_TRUE(PressKey(VK_F12));
  EXPECT_TRUE(PumpUntil([&] { return receiver.Count(kShowCode, 0) > 0; }));
  EXPECT_TRUE(PumpUntil([&] { return WindowIsAt(page, layout.Background()); }));
  // A second broadcast would come from the page's own handling of the first.
  PumpFor(100);
  EXPECT_EQ(receiver.Count(kShowCode, 0), 1);
  EXPECT_EQ(receiver.All().size(), 1u);
  DestroyWindow(cover);
}

TEST_F(PageButtons, TheRealPointerLightsUpEachButtonAndLeavesItAsItWas) {
  ASSERT_TRUE(CreatePage());
  const PageLayout layout(page);
  MovePointerAway();
  for (const RECT& button : {layout.Ok(), layout.Undo(), layout.Info(), layout.Registry()}) {
    SCOPED_TRACE(button.left);
    // A spot of the tile's blue, off the symbol in its middle.
    const POINT spot{button.left + 8, button.top + 8};
    const COLORREF normal = ScreenPixel(page, spot);
    ASSERT_TRUE(MovePointerTo(page, PageLayout::Centre(button)));
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(page, spot) != normal; }, 2000))
        << "no hot image under the pointer";
    MovePointerAway();
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(page, spot) == normal; }, 2000))
        << "the normal image did not come back";
  }
}

}  // namespace
}  // namespace pelk
