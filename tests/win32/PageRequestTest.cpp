// The whole module under Wine as a host drives it: the real DLL, real clicks, Wine's registry.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/HostProtocol.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/OpenPage.h"
#include "tests/win32/PageCommands.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/ProcessWindows.h"
#include "tests/win32/RealInput.h"

namespace pelk {
namespace {

// Each test arranges the entries, the setting or the arguments, and then makes its page.
class PageRequest : public OpenPage {
 protected:
  PageRequest() : OpenPage(MakePage::ByTheTest) {}
};

TEST_F(PageRequest, UserClearsTheBoxAndOkHidesBothEntries) {
  ASSERT_TRUE(CreatePage());

  RECT bounds{};
  GetWindowRect(page, &bounds);
  EXPECT_EQ(bounds.left, arguments.left);
  EXPECT_EQ(bounds.top, arguments.top);
  EXPECT_EQ(bounds.right - bounds.left, session.Arguments().width);
  EXPECT_EQ(bounds.bottom - bounds.top, session.Arguments().height);

  HWND box = PageCheckBox(page, 0);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(IsChecked(box));
  EXPECT_TRUE(IsWindowEnabled(box));
  EXPECT_EQ(session.ModulChanged(), 0);
  EXPECT_EQ(session.ModulNr(), 2);

  const PageLayout layout(page);
  ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
  ASSERT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  EXPECT_FALSE(IsChecked(box));
  EXPECT_TRUE(entries.BothShown()) << "the box alone writes nothing";
  EXPECT_TRUE(receiver.All().empty());

  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
  ASSERT_TRUE(PumpUntil([&] { return receiver.CountCode(kOkCode) > 0; }));
  EXPECT_EQ(receiver.Count(kOkCode, 2), 1);
  EXPECT_EQ(receiver.All().size(), 1u);
  EXPECT_TRUE(entries.BothHiddenKeysKept());
  EXPECT_EQ(session.ModulChanged(), 2);
  EXPECT_EQ(session.ModulNr(), 2);

  EXPECT_EQ(session.ModulFree(), 1);
  EXPECT_FALSE(IsWindow(page));
  EXPECT_TRUE(entries.BothHiddenKeysKept());
}

TEST_F(PageRequest, UndoThenSaveChangesWritesTheClassIdsAndReportsRestore) {
  ASSERT_TRUE(entries.Hide());
  ASSERT_TRUE(CreatePage());
  HWND box = PageCheckBox(page, 0);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsChecked(box));
  EXPECT_EQ(session.ModulChanged(), 0);

  const PageLayout layout(page);
  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Undo())));
  ASSERT_TRUE(PumpUntil([&] { return IsChecked(box); }));
  EXPECT_EQ(session.ModulNr(), 1);
  EXPECT_EQ(session.ModulChanged(), 1) << "ticking a clear box counts as a change";
  EXPECT_TRUE(receiver.All().empty()) << "Undo broadcasts nothing";
  EXPECT_FALSE(entries.BothShown()) << "Undo writes nothing before OK";

  EXPECT_EQ(session.ModulSaveChanges(), 1);
  EXPECT_TRUE(entries.BothShown());
  EXPECT_EQ(ValueType(HKEY_CLASSES_ROOT, kCopyToKey, ""), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ValueType(HKEY_CLASSES_ROOT, kMoveToKey, ""), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(receiver.Count(kOkCode, 1), 1);
  EXPECT_EQ(receiver.All().size(), 1u);
  EXPECT_EQ(session.ModulChanged(), 2);
  EXPECT_EQ(session.ModulNr(), 1);

  // A further change after saving counts again.
  ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
  ASSERT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  EXPECT_TRUE(entries.BothShown());
  EXPECT_EQ(session.ModulFree(), 1);
}

TEST_F(PageRequest, ForALimitedUserSavesWhatIsInEffectAndIsRefusedOnlyAChange) {
  ASSERT_TRUE(CreatePage());
  for (const bool shown : {true, false}) {
    SCOPED_TRACE(shown);
    if (!shown) {  // a page made again over hidden entries
      ASSERT_EQ(session.ModulFree(), 1);
      ASSERT_TRUE(entries.Hide());
      receiver.Clear();
      ASSERT_TRUE(CreatePage());
    }
    auto unchanged = [&] { return shown ? entries.BothShown() : entries.BothHiddenKeysKept(); };
    // Readable but not writable, as the classes root is to a user without administrator rights.
    KeyAccessGuard copyTo(HKEY_CLASSES_ROOT, kCopyToKey, kReadOnly);
    KeyAccessGuard moveTo(HKEY_CLASSES_ROOT, kMoveToKey, kReadOnly);
    ASSERT_TRUE(copyTo.Applied() && moveTo.Applied());
    HWND box = PageCheckBox(page, 0);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(IsChecked(box), shown);

    // The host's save, and the OK button after the box went back to the state that was read.
    const PageLayout layout(page);
    {
      MessageBoxWatcher reports(GetCurrentThreadId(), 1000);
      EXPECT_EQ(session.ModulSaveChanges(), 1);
      ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
      ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
      ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
      EXPECT_TRUE(PumpUntil([&] { return receiver.Count(kOkCode, 2) == 2; }));
      reports.Join();
      EXPECT_EQ(reports.Answered(), 0);
    }
    EXPECT_EQ(IsChecked(box), shown);
    EXPECT_TRUE(unchanged());

    // A real change is still refused, in the user's words, and nothing is broadcast.
    ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
    ASSERT_TRUE(PumpUntil([&] { return IsChecked(box) != shown; }));
    {
      MessageBoxAnswerer report(GetCurrentThreadId(), IDOK);
      EXPECT_EQ(session.ModulSaveChanges(), 0);
      report.Join();
      EXPECT_NE(report.Text().find("kann nicht geschrieben werden"), std::string::npos)
          << report.Text();
    }
    EXPECT_EQ(receiver.CountCode(kOkCode), 2);
    EXPECT_TRUE(unchanged());
  }
}

TEST_F(PageRequest, LockedPageNeitherReadsNorWritesTheEntries) {
  RegistryValueGuard setting(HKEY_CURRENT_USER, kSettingsKey, "BSControl");
  ASSERT_TRUE(RemoveValue(HKEY_CURRENT_USER, kSettingsKey, "BSControl"));
  RegistryValueGuard lastKey(HKEY_CURRENT_USER, kRegeditKey, "LastKey");
  ASSERT_TRUE(RemoveValue(HKEY_CURRENT_USER, kRegeditKey, "LastKey"));
  arguments.osType = kOsTypeXp;
  arguments.validOsMask = kMeBit;
  ASSERT_TRUE(CreatePage());
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "first start creates the key";
  EXPECT_EQ(ValueType(HKEY_CURRENT_USER, kSettingsKey, "BSControl"), static_cast<DWORD>(REG_NONE));

  HWND box = PageCheckBox(page, 0);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsChecked(box)) << "a locked page does not read the entries";
  EXPECT_FALSE(IsWindowEnabled(box));

  // OK, Undo and the box are disabled; Info answers. Input is handled in order, so once the
  // Info box has been seen the earlier clicks have been handled too.
  const PageLayout layout(page);
  {
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK);
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Undo())));
    ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
    ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Info())));
    ASSERT_TRUE(PumpUntil([&] { return answer.Done(); }, 10000));
    answer.Join();
    EXPECT_TRUE(answer.Answered()) << "the Info button stays enabled";
    EXPECT_EQ(answer.Text(), "G\xFCltig f\xFCr:\r\n\r\nWindows 98 ME\r\n");
  }
  EXPECT_TRUE(receiver.All().empty()) << "OK is disabled";
  EXPECT_EQ(session.ModulNr(), 2) << "Undo is disabled";
  EXPECT_EQ(session.ModulChanged(), 0);
  EXPECT_FALSE(IsChecked(box));

  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Registry())));
  const std::string expectedKey = GetHelpText(412, 5);
  EXPECT_TRUE(PumpUntil([&] {
    return ReadStringValue(HKEY_CURRENT_USER, kRegeditKey, "LastKey") == expectedKey;
  })) << "the Registry button stays enabled";
  if (HWND regedit = WaitForProcessWindow(0, "", "Registry Editor", 10000))
    EXPECT_TRUE(CloseAndWaitForProcess(regedit, 10000));
  else
    ADD_FAILURE() << "no registry editor appeared";

  // Saving a page that never read the entries must not delete them.
  EXPECT_EQ(session.ModulSaveChanges(), 1);
  EXPECT_TRUE(entries.BothShown());
  EXPECT_EQ(receiver.Count(kOkCode, 2), 1) << "the OK step itself still runs";
  EXPECT_EQ(session.ModulFree(), 1);
}

TEST_F(PageRequest, ASettingOfTheWrongTypeIsReportedOnceAndThePageWritesNothing) {
  RegistryValueGuard setting(HKEY_CURRENT_USER, kSettingsKey, "BSControl");
  ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, kSettingsKey, "BSControl", "1"));
  {
    MessageBoxAnswerer report(GetCurrentThreadId(), IDOK);
    ASSERT_EQ(session.Create(arguments), 0);
    report.Join();
    EXPECT_TRUE(report.Answered()) << "the failed read is reported";
    EXPECT_FALSE(report.Text().empty());
  }
  page = session.Page();
  ASSERT_NE(page, nullptr) << "the page is still created and shown";
  HWND box = PageCheckBox(page, 0);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsChecked(box));
  // It offers no change it would not make: locked like a page on an unsupported version.
  EXPECT_FALSE(IsWindowEnabled(box));

  // Neither the box, the OK button nor the host's save may apply a state that was never read.
  MessageBoxAnswerer noSecondReport(GetCurrentThreadId(), IDOK, 1000);
  ASSERT_TRUE(ClickAt(page, PageLayout(page).CheckBoxSquare()));
  EXPECT_EQ(session.ModulChanged(), 0);
  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(PageLayout(page).Ok())));
  session.ModulSaveChanges();
  EXPECT_TRUE(entries.BothShown());
  noSecondReport.Join();
  EXPECT_FALSE(noSecondReport.Answered()) << "reported once only: " << noSecondReport.Text();
  EXPECT_EQ(ValueType(HKEY_CURRENT_USER, kSettingsKey, "BSControl"), static_cast<DWORD>(REG_SZ))
      << "the setting is only read";
  EXPECT_EQ(session.ModulFree(), 1);
}

}  // namespace
}  // namespace pelk
