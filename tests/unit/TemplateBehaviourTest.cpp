#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "module/state/OsTypes.h"
#include "platform/TRegistry.h"
#include "template/SystemRestart.h"
#include "tests/HostProtocol.h"
#include "tests/unit/TemplatePage.h"

namespace pelk {
namespace {

using test::kSettingsKey;

using test::kRegeditKey;

// The template page's commands, start-up and texts, driven as the host and the user drive them.
class TemplateBehaviour : public test::TemplatePage {};

TEST_F(TemplateBehaviour, HostCommandsMoveSizeShowAndLeaveEverythingElseAlone) {
  CreateShown();
  EXPECT_EQ(Command(10, 0), 0);
  EXPECT_EQ(page->Left(), 1);
  EXPECT_EQ(Command(11, 0), 0);
  EXPECT_EQ(page->Top(), 1);
  Command(10, 250);
  EXPECT_EQ(Now(), (Bounds{250, 1, 300, 460, true}));
  Command(12, 320);
  Command(13, 480);
  EXPECT_EQ(Now(), (Bounds{250, 1, 320, 480, true}));
  Command(12, 0);
  EXPECT_EQ(page->Width(), 0);
  Command(13, 0);
  EXPECT_EQ(page->Height(), 0);
  Command(12, 300);
  Command(13, 460);

  const Bounds before = Now();
  for (std::uintptr_t code : {1u, 9u, 14u, 99u, 100u, 101u, 199u, 201u, kOkCode}) {
    EXPECT_EQ(Command(code, 5), 0) << code;
    EXPECT_EQ(Now(), before) << code;
  }
  // Another message with the close code gets only the default processing.
  page->Perform(state.TippMessage + 1, 0, 0);
  page->Perform(0, 0, 0);
  ASSERT_NE(page, nullptr);

  page->Close();
  EXPECT_FALSE(page->Visible());
  state.TippShown = false;
  page->MemoHelpD->SetText("");
  system.help.Texts[{412, 2}] = "Hilfe";
  Command(kShowCode, 7);
  EXPECT_TRUE(page->Visible());
  EXPECT_TRUE(state.TippShown);  // the show handler ran again
  EXPECT_EQ(page->MemoHelpD->Text(), "Hilfe");
  Command(kShowCode, 0);  // already visible: still fine
  EXPECT_TRUE(page->Visible());
  EXPECT_TRUE(system.dialogs.Boxes.empty());
}

TEST_F(TemplateBehaviour, NegativeParametersAreRefusedAsAWholeAndReported) {
  CreateShown();
  const Bounds before = Now();
  const std::intptr_t all = static_cast<std::intptr_t>(0xFFFFFFFFu);
  const std::vector<std::pair<std::uintptr_t, std::intptr_t>> refused = {
      {0, -1},
      {10, -5},
      {12, all},
      {static_cast<std::uintptr_t>(all), 0},
      {static_cast<std::uintptr_t>(all), 250},
      {kShowCode, -1}};
  for (const auto& [code, value] : refused) {
    EXPECT_EQ(Command(code, value), 0);
    ASSERT_NE(page, nullptr) << code;
    EXPECT_EQ(Now(), before) << code;
  }
  ASSERT_EQ(system.dialogs.Boxes.size(), refused.size());
  EXPECT_EQ(system.dialogs.Boxes[0].text, "Range check error");
}

TEST_F(TemplateBehaviour, TheCloseCommandHidesAndDestroysThePage) {
  CreateShown();
  EXPECT_EQ(system.desktop.TopLevelCount(), 1u);
  EXPECT_EQ(Command(0, 77), 0);
  EXPECT_EQ(page, nullptr);
  EXPECT_EQ(system.desktop.TopLevelCount(), 0u);
  EXPECT_TRUE(system.dialogs.Boxes.empty());
}

TEST_F(TemplateBehaviour, WithoutARegisteredMessageThePageNeitherObeysNorSends) {
  state.TippMessage = 0;
  CreateShown();
  page->Perform(0, 0, 0);  // message 0 is no close command
  ASSERT_NE(page, nullptr);
  page->HotSpeedButtonOK->UserClick();
  page->UserKeyDown(123);
  EXPECT_TRUE(state.TippSaved);
  EXPECT_TRUE(system.desktop.Broadcasts.empty());
}

TEST_F(TemplateBehaviour, OkUndoAndSwitchWindowTellTheHostWhatIsPending) {
  CreateShown();
  page->HotSpeedButtonOK->UserClick();
  page->HotSpeedButtonUndo->UserClick();
  ASSERT_EQ(system.desktop.Broadcasts.size(), 1u);  // Undo sends nothing
  page->HotSpeedButtonOK->UserClick();
  page->HotSpeedButtonOK->UserClick();
  ASSERT_EQ(system.desktop.Broadcasts.size(), 3u);
  EXPECT_EQ(system.desktop.Broadcasts[0].wParam, kOkCode);
  EXPECT_EQ(system.desktop.Broadcasts[0].lParam, 2);
  EXPECT_EQ(system.desktop.Broadcasts[1].lParam, 1);
  EXPECT_EQ(system.desktop.Broadcasts[2].lParam, 1);
  EXPECT_TRUE(state.TippSaved);
  EXPECT_TRUE(state.RestoreDefaults);

  // F12 on a hidden page: the page receives its own broadcast and shows itself.
  page->Close();
  system.desktop.Broadcasts.clear();
  EXPECT_TRUE(page->UserKeyDown(123));
  ASSERT_EQ(system.desktop.Broadcasts.size(), 1u);
  EXPECT_EQ(system.desktop.Broadcasts[0].message, state.TippMessage);
  EXPECT_EQ(system.desktop.Broadcasts[0].wParam, kShowCode);
  EXPECT_EQ(system.desktop.Broadcasts[0].lParam, 0);
  EXPECT_TRUE(page->Visible());
}

struct LockCase {
  int osType;
  std::int32_t mask;
  std::optional<RegistryValue> bsControl;
  bool locked;
};

TEST_F(TemplateBehaviour, AnUnsupportedVersionLocksThePageUnlessTheSettingSaysOtherwise) {
  const std::vector<LockCase> cases = {
      {kOsTypeNt, kNtBit, std::nullopt, false},
      {kOsTypeNt, kNtBit, RegistryValue::DWord(1), false},
      {kOsTypeXp, kMeBit, std::nullopt, true},
      {kOsTypeXp, kMeBit, RegistryValue::DWord(0), false},
      {kOsTypeXp, kMeBit, RegistryValue::DWord(5), true},
      {0, 0x3FFFF, std::nullopt, true},
      {19, 0x3FFFF, std::nullopt, true},
      {-1, -1, std::nullopt, true},
      {1, 0, std::nullopt, true},
  };
  for (const LockCase& c : cases) {
    if (c.bsControl)
      SetBSControl(*c.bsControl);
    else
      RemoveBSControl();
    state.OsType = c.osType;
    state.ValidOsMask = c.mask;
    Create();
    const std::string label = std::to_string(c.osType) + "/" + std::to_string(c.mask);
    EXPECT_EQ(state.OsBit, OsBitOf(c.osType)) << label;
    EXPECT_EQ(state.TippActive, !c.locked) << label;
    EXPECT_EQ(page->HotSpeedButtonOK->Enabled(), !c.locked) << label;
    if (c.locked) {
      for (TControl* open :
           std::vector<TControl*>{page->StaticTextTitle, page->MemoHelpD, page->MemoHelpUS,
                                  page->HotSpeedButtonInfo, page->HotSpeedButtonRegistry})
        EXPECT_TRUE(open->Enabled()) << label << " " << open->Name();
      for (TControl* shut : std::vector<TControl*>{page->HotSpeedButtonUndo, page->PanelLeftBorder,
                                                   page->PanelTopBorder, page->PanelRightBorder,
                                                   page->PanelBottomBorder})
        EXPECT_FALSE(shut->Enabled()) << label << " " << shut->Name();
      EXPECT_TRUE(page->Enabled());
      EXPECT_TRUE(page->Fensterwechseln1->Enabled());
      EXPECT_TRUE(page->UserKeyDown(123)) << "the menu entry still works";
    }
  }
  // A setting the user may read but not change (fixed by an administrator) counts all the same.
  SetBSControl(RegistryValue::DWord(0));
  system.registry.DenyWriteAccess(RootKey::CurrentUser, kSettingsKey);
  state.OsType = kOsTypeXp;
  state.ValidOsMask = kMeBit;
  Create();
  EXPECT_FALSE(page->BSControl);
  EXPECT_TRUE(state.TippActive);
  EXPECT_TRUE(page->HotSpeedButtonOK->Enabled());
}

TEST_F(TemplateBehaviour, FirstStartCreatesTheSettingsKeyAndAWrongTypeIsReported) {
  Create();
  EXPECT_TRUE(system.registry.KeyExists(RootKey::CurrentUser, kSettingsKey));
  EXPECT_FALSE(system.registry.Value(RootKey::CurrentUser, kSettingsKey, "BSControl").has_value());
  EXPECT_TRUE(page->BSControl);

  SetBSControl(RegistryValue::String("0"));
  state.OsType = kOsTypeXp;
  state.ValidOsMask = kMeBit;
  Create();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(system.dialogs.Boxes.size(), 1u);
  EXPECT_FALSE(state.TippActive);
  // The creation ended there, and a page that could not read its setting is locked: it offers
  // no change it would not make. Info and Registry still work.
  EXPECT_FALSE(page->HotSpeedButtonOK->Enabled());
  EXPECT_FALSE(page->HotSpeedButtonUndo->Enabled());
  EXPECT_TRUE(page->HotSpeedButtonInfo->Enabled());
  EXPECT_EQ(page->StaticTextTitle->Caption(), "StaticTextTitle");
}

TEST_F(TemplateBehaviour, AScreenAtAnotherResolutionIsToldAndScaled) {
  Create();
  EXPECT_TRUE(system.dialogs.Boxes.empty());
  const int width = page->ClientWidth();

  system.screen.Dpi = 120;
  Create();
  ASSERT_EQ(system.dialogs.Texts(), std::vector<std::string>{"Big"});
  EXPECT_EQ(width, 292);
  EXPECT_EQ(page->ClientWidth(), 234);  // 292 * 96 / 120, rounded
  EXPECT_EQ(page->HotSpeedButtonRegistry->Left(), 192);
  EXPECT_EQ(page->HotSpeedButtonRegistry->Width(), 29);

  system.screen.Dpi = 0;  // a broken driver never divides
  Create();
  EXPECT_EQ(system.dialogs.Texts(), (std::vector<std::string>{"Big", "Big"}));
  EXPECT_EQ(page->ClientWidth(), width);
}

TEST_F(TemplateBehaviour, ShowingLoadsTitleAndBothHelpTextsAndSpracheSwitchesTheTexts) {
  system.help.Texts[{412, 2}] = "Deutsch\r\nzweite Zeile";
  system.help.Texts[{412, 4}] = std::nullopt;
  CreateShown();
  page->SetCaption("Neu");
  EXPECT_EQ(page->StaticTextTitle->Caption(), "frmTippTemplate");
  page->Close();
  page->Show();
  EXPECT_EQ(page->StaticTextTitle->Caption(), "Neu");
  EXPECT_EQ(page->MemoHelpD->Lines(), (std::vector<std::string>{"Deutsch", "zweite Zeile"}));
  EXPECT_EQ(page->MemoHelpUS->Text(), "");

  page->Sprache(1);
  EXPECT_EQ(state.Language, 1);
  EXPECT_EQ(page->HotSpeedButtonUndo->Hint(), "Restore defaults");
  EXPECT_EQ(page->HotSpeedButtonOK->Hint(), "Changes will be saved immediately");
  EXPECT_EQ(page->HotSpeedButtonRegistry->Hint(), "Registry Lookup");
  EXPECT_EQ(page->HotSpeedButtonInfo->Hint(), "Valid to ...");
  EXPECT_EQ(page->Fensterwechseln1->Caption(), "Change Window");
  EXPECT_TRUE(page->MemoHelpUS->Visible());
  EXPECT_FALSE(page->MemoHelpD->Visible());
  for (int german : {0, 2, -1}) {
    page->Sprache(german);
    EXPECT_EQ(page->HotSpeedButtonInfo->Hint(), "Gültig für ... ");
    EXPECT_EQ(page->HotSpeedButtonOK->Hint(), "Änderungen werden gespeichert");
    EXPECT_EQ(page->Fensterwechseln1->Caption(), "Fenster wechseln");
    EXPECT_TRUE(page->MemoHelpD->Visible());
    EXPECT_FALSE(page->MemoHelpUS->Visible());
  }
  EXPECT_EQ(page->MemoHelpD->Lines().size(), 2u);
  EXPECT_EQ(page->StaticTextTitle->Caption(), "Neu");
}

TEST_F(TemplateBehaviour, InfoListsTheSupportedVersionsInThePagesLanguage) {
  state.ValidOsMask = kNtBit | k2000Bit | kXpBit | 0x2000;  // bit 13 has no name
  CreateShown();
  page->Sprache(1);
  page->HotSpeedButtonInfo->UserClick();
  page->Sprache(0);
  page->HotSpeedButtonInfo->UserClick();
  EXPECT_EQ(system.dialogs.Texts(),
            (std::vector<std::string>{
                "Valid for:\r\n\r\nWindows NT\r\nWindows 2000\r\nWindows XP\r\n",
                "Gültig für:\r\n\r\nWindows NT\r\nWindows 2000\r\nWindows XP\r\n"}));
}

TEST_F(TemplateBehaviour, RegistryLookupPointsTheEditorAtTheTipsKey) {
  system.help.Texts[{412, 5}] = "HKEY_CLASSES_ROOT\\AllFileSystemObjects";
  CreateShown();
  page->HotSpeedButtonRegistry->UserClick();
  EXPECT_EQ(system.registry.Value(RootKey::CurrentUser, kRegeditKey, "LastKey"),
            RegistryValue::String("HKEY_CLASSES_ROOT\\AllFileSystemObjects"));
  ASSERT_EQ(system.shell.Executions.size(), 1u);
  EXPECT_EQ(system.shell.Executions[0].file, "C:\\WINDOWS\\regedit.exe");
  EXPECT_EQ(system.shell.Executions[0].verb, "");
  EXPECT_EQ(system.shell.Executions[0].parameters, "");
  EXPECT_EQ(system.shell.Executions[0].showCommand, 5);
  EXPECT_EQ(system.shell.Executions[0].parent, page->Handle());

  system.help.Texts[{412, 5}] = std::nullopt;  // overwritten, also by an empty text
  page->HotSpeedButtonRegistry->UserClick();
  EXPECT_EQ(system.registry.Value(RootKey::CurrentUser, kRegeditKey, "LastKey"),
            RegistryValue::String(""));

  system.registry.DenyWriteAccess(RootKey::CurrentUser, kRegeditKey);
  page->HotSpeedButtonRegistry->UserClick();  // reported; the editor is not started
  EXPECT_EQ(system.dialogs.Boxes.size(), 1u);
  EXPECT_EQ(system.shell.Executions.size(), 2u);
}

TEST_F(TemplateBehaviour, NeuStartRestartsOnYesAndClosesThePage) {
  CreateShown();
  page->SetTag(11);
  system.dialogs.Answers = {mrNo, mrYes};
  page->NeuStart();
  EXPECT_TRUE(system.shutdown.Calls.empty());
  EXPECT_TRUE(page->Visible());
  page->NeuStart();
  EXPECT_FALSE(page->Visible());
  ASSERT_EQ(system.dialogs.Boxes.size(), 2u);
  EXPECT_EQ(system.dialogs.Boxes[1].text, kRestartQuestion);
  EXPECT_EQ(system.dialogs.Boxes[1].type, MsgDlgType::Confirmation);
  EXPECT_EQ(system.shutdown.Calls.front(), "OpenProcessToken 0x28");
  EXPECT_EQ(system.shutdown.Adjustments.size(), 2u);

  page->Show();
  page->SetTag(13);
  system.shutdown.Calls.clear();
  system.shutdown.RefuseExit = true;
  system.dialogs.Answers = {mrYes};
  page->NeuStart();
  EXPECT_EQ(system.shutdown.Calls, std::vector<std::string>{"ExitWindows 2 0"});
  EXPECT_EQ(system.dialogs.Boxes.back().text, kRestartFailed);
  EXPECT_TRUE(page->Visible());
}

}  // namespace
}  // namespace pelk
