// A second tip, built from the shared template and export code as its own DLL (tests/secondtip):
// loaded by the stand-in host and by a host in this process, it shows its own page, answers the
// exports and writes its value on OK.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/HostProtocol.h"
#include "tests/win32/BroadcastReceiver.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/ContextMenuEntries.h"
#include "tests/win32/PageCommands.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/RealInput.h"
#include "tests/win32/RegistryFixture.h"

namespace pelk {
namespace {

// Not on OpenPage: the stand-in host runs first, in a process of its own, and its page's OK
// broadcast would wait on a receiver of this process, which reads no messages while it waits for
// the host.
TEST(SecondTip, ItsOwnLibraryShowsItsPageAndWritesItsValueOnOk) {
  RegistryValueGuard value(HKEY_CURRENT_USER, kSettingsKey, "SecondTip");
  ASSERT_TRUE(RemoveValue(HKEY_CURRENT_USER, kSettingsKey, "SecondTip"));

  // The stand-in host finds the five exports by name and by ordinal, and saves the clear box.
  const std::string bin = ExecutableFolder();
  const ChildResult run =
      RunChild("\"" + bin + "\\host.exe\" --run-ms 100 --save SecondTip.dll", bin, 20000);
  ASSERT_TRUE(run.finished) << run.output;
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  for (const char* line :
       {"export ModulNr          ordinal 1: found", "export ModulCreate      ordinal 5: found",
        "page windows: 1", "ModulSaveChanges: 1", "ModulFree: 1"}) {
    EXPECT_NE(run.output.find(line), std::string::npos) << line << "\n" << run.output;
  }
  EXPECT_EQ(ReadDwordValue(HKEY_CURRENT_USER, kSettingsKey, "SecondTip"), 0u);

  // In this process: its own check box and icon; a click counts as a change, OK writes it.
  BroadcastReceiver receiver;
  PageSession session("SecondTip.dll");
  ASSERT_TRUE(session.Loaded()) << session.LoadError();
  PageArguments arguments;
  arguments.caption = "Pelk412 second tip";
  ASSERT_EQ(session.Create(arguments), 0);
  HWND page = session.Page();
  ASSERT_NE(page, nullptr);
  HWND box = FindChildByText(page, "Zweiten Tipp einschalten");
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsChecked(box));
  EXPECT_NE(SendMessageW(page, WM_GETICON, ICON_BIG, 0), 0);
  const PageLayout layout(page);
  ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
  ASSERT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
  ASSERT_TRUE(PumpUntil([&] { return receiver.Count(kOkCode, 2) == 1; }));
  EXPECT_EQ(ReadDwordValue(HKEY_CURRENT_USER, kSettingsKey, "SecondTip"), 1u);
  EXPECT_EQ(session.ModulChanged(), 2);
  EXPECT_EQ(session.ModulFree(), 1);
}

}  // namespace
}  // namespace pelk
