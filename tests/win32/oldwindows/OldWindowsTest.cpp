// The real Pelk412.dll on Windows 95, 98, ME and NT 4, as far as Wine can stand for them: the
// host maps the DLL without binding it, binds its imports as that system's loader would (what the
// system lacks refuses the load, what it only stubs fails each call), runs its entry point, and
// drives the page through its whole job while GetVersion answers as that system. Underneath,
// Wine's windows and messages still behave like NT's.
#include "tests/win32/oldwindows/OldWindowsTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/HostProtocol.h"
#include "tests/win32/BroadcastReceiver.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/ContextMenuEntries.h"
#include "tests/win32/PageCommands.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/ProcessWindows.h"
#include "tests/win32/RealInput.h"
#include "tests/win32/RegistryFixture.h"
#include "tests/win32/oldwindows/RegistrySnapshot.h"
#include "tests/win32/oldwindows/SimulatedLoad.h"

namespace pelk {

namespace {

const OldWindows* tested = nullptr;

constexpr char kHandlers[] = "HKCR\\AllFileSystemObjects\\shellex\\ContextMenuHandlers\\";

// Every list's DLLs: a DLL named there belongs to some Windows, and one the tested system lacks
// cannot be loaded on it.
std::set<std::string> SystemLibraries() {
  std::set<std::string> libraries;
  for (const OldWindows& system : kOldWindows) {
    SystemExportList list;
    std::string error;
    EXPECT_TRUE(list.Read(ExecutableFolder() + "\\" + system.exportList, error)) << error;
    libraries.insert(list.Libraries().begin(), list.Libraries().end());
  }
  return libraries;
}

TEST(OldWindows, TheDllLoadsAndTheWholeJobWorks) {
  ASSERT_NE(tested, nullptr);
  const OldWindows& system = *tested;
  ASSERT_EQ(GetVersion(), system.version) << "Wine does not answer as " << system.name;
  SystemExportList exports;
  std::string error;
  ASSERT_TRUE(exports.Read(ExecutableFolder() + "\\" + system.exportList, error)) << error;
  SimulatedSystem simulated(system, exports, SystemLibraries());

  ContextMenuEntries entries;
  ASSERT_TRUE(entries.Show());
  RegistryValueGuard lastKey(HKEY_CURRENT_USER, kRegeditKey, "LastKey");
  BroadcastReceiver receiver;
  const RegistrySnapshot classesBefore(HKEY_CLASSES_ROOT, "HKCR");
  const RegistrySnapshot userBefore(HKEY_CURRENT_USER, "HKCU");

  SimulatedLoad load(ExecutableFolder() + "\\Pelk412.dll", simulated);
  ASSERT_TRUE(load.Loaded()) << system.name << " refuses Pelk412.dll:" << load.RefusalText();
  {
    PageSession session(load.Module());
    PageArguments arguments;
    arguments.osType = system.osType;
    arguments.validOsMask = kEveryNamedVersion;
    arguments.caption = std::string("Kontextmen\xFC auf ") + system.name;
    ASSERT_EQ(session.Create(arguments), 0);
    const HWND page = session.Page();
    ASSERT_NE(page, nullptr) << "no page titled " << arguments.caption;
    const PageLayout layout(page);
    // On 9x the page's windows are ANSI windows: everything went through the A functions.
    EXPECT_EQ(IsWindowUnicode(page) != FALSE, !system.windows9x);

    // Every text as written: the host's caption, the title, the check box, the help text.
    EXPECT_EQ(WideWindowText(page), FromWindows1252(arguments.caption));
    EXPECT_NE(FindChildByText(page, arguments.caption), nullptr) << "no title";
    const HWND box = PageCheckBox(page, 0);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WideWindowText(box),
              FromWindows1252("Kontextmen\xFC f\xFCr Datei-Operationen anzeigen"));
    EXPECT_TRUE(IsChecked(box)) << "both entries are shown";
    EXPECT_TRUE(IsWindowEnabled(box)) << system.name << " is supported";
    const HWND help = FindChildByText(page, GetHelpText(412, 2));
    ASSERT_NE(help, nullptr) << "no German help text";
    EXPECT_EQ(WideWindowText(help), FromWindows1252(GetHelpText(412, 2)));

    // The hint of the OK button under the resting pointer (on Windows 95 by the library's own
    // pointer tracking: it has no TrackMouseEvent), gone when the pointer leaves.
    ASSERT_TRUE(MovePointerTo(page, PageLayout::Centre(layout.Ok())));
    HWND hint = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (hint = VisibleHint()) != nullptr; }, 4000));
    if (hint != nullptr) {
      EXPECT_EQ(WideWindowText(hint), FromWindows1252("\xC4nderungen werden gespeichert"));
    }
    MovePointerAway();
    EXPECT_TRUE(PumpUntil([] { return VisibleHint() == nullptr; }, 4000));

    EXPECT_EQ(InfoText(page),
              "G\xFCltig f\xFCr:\r\n\r\nWindows 98 Standard Edition\r\n"
              "Windows 98 Standard Edition A\r\nWindows 98 Second Edition\r\nWindows 95\r\n"
              "Windows 95 A\r\nWindows 95 B\r\nWindows 95 B OEM Service Release 2\r\n"
              "Windows 95 B OEM Service Release 2.1\r\nWindows 95 C OEM Service Release 2.5 C\r\n"
              "Windows NT\r\nWindows 2000\r\nWindows 98 ME\r\nWindows XP\r\n");

    // Clear the box, OK: both default values go, and nothing else changes.
    ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
    EXPECT_FALSE(IsChecked(box));
    EXPECT_EQ(session.ModulChanged(), 1);
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
    EXPECT_TRUE(PumpUntil([&] { return receiver.Count(kOkCode, 2) == 1; }));
    EXPECT_TRUE(entries.BothHiddenKeysKept());
    EXPECT_THAT(RegistrySnapshot(HKEY_CLASSES_ROOT, "HKCR").ChangesSince(classesBefore),
                ::testing::ElementsAre(std::string("- ") + kHandlers + "Copy To [(default)]",
                                       std::string("- ") + kHandlers + "Move To [(default)]"));

    // Tick it, and the host saves: both class ids are back, as they were.
    ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
    EXPECT_EQ(session.ModulSaveChanges(), 1);
    EXPECT_TRUE(entries.BothShown());
    EXPECT_THAT(RegistrySnapshot(HKEY_CLASSES_ROOT, "HKCR").ChangesSince(classesBefore),
                ::testing::IsEmpty());
    EXPECT_EQ(session.ModulChanged(), 2);

    // Undo ticks a cleared box; the next OK sends the pending action "restore defaults".
    ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Undo())));
    EXPECT_TRUE(IsChecked(box));
    EXPECT_EQ(session.ModulNr(), 1);
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
    EXPECT_TRUE(PumpUntil([&] { return receiver.Count(kOkCode, 1) == 1; }));
    EXPECT_TRUE(entries.BothShown());

    // The registry editor opens at the tip's key.
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Registry())));
    const std::string key = GetHelpText(412, 5);
    EXPECT_TRUE(PumpUntil(
        [&] { return ReadStringValue(HKEY_CURRENT_USER, kRegeditKey, "LastKey") == key; }));
    const HWND editor = WaitForProcessWindow(0, "", "Registry Editor", 15000);
    EXPECT_NE(editor, nullptr) << "no registry editor appeared";
    if (editor != nullptr) {
      EXPECT_TRUE(CloseAndWaitForProcess(editor, 10000));
    }

    // F12 on the focused page switches windows: one broadcast.
    ASSERT_TRUE(ClickAt(page, layout.Background()));
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == page; }));
    ASSERT_TRUE(PressKey(VK_F12));
    EXPECT_TRUE(PumpUntil([&] { return receiver.Count(kShowCode, 0) == 1; }));

    EXPECT_EQ(session.ModulFree(), 1);
    EXPECT_FALSE(IsWindow(page));
  }
  load.Unload();

  EXPECT_THAT(simulated.Failures(), ::testing::IsEmpty()) << "calls that fail on " << system.name;
  // Of the user's settings only what the page writes: the registry editor's key and its value,
  // and the collection's settings key, made on the first start. Wine keeps some state of its own
  // there too.
  for (const std::string& change :
       RegistrySnapshot(HKEY_CURRENT_USER, "HKCU").ChangesSince(userBefore)) {
    EXPECT_THAT(change, ::testing::AnyOf(::testing::HasSubstr("HKCU\\Software\\Microsoft\\Windows\\"
                                                              "CurrentVersion\\Applets"),
                                         ::testing::HasSubstr("HKCU\\SOFTWARE\\Morvex"),
                                         ::testing::HasSubstr("HKCU\\Software\\Wine\\")))
        << "changed in HKEY_CURRENT_USER";
  }
}

}  // namespace

void SetTestedSystem(const OldWindows& system) {
  tested = &system;
}

}  // namespace pelk
