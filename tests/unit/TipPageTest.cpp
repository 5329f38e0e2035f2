#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/RegistryKeys.h"
#include "tests/unit/TipModuleRig.h"

namespace pelk {
namespace {

using test::ClosingHost;

const std::string kCopyTo = kCopyToHandler.keyPath;
const std::string kMoveTo = kMoveToHandler.keyPath;

class TipPage : public ::testing::Test, public test::TipModuleRig {
 protected:
  // The OK notifications the page sent, as their values.
  std::vector<std::intptr_t> OkBroadcasts() const {
    std::vector<std::intptr_t> values;
    for (const auto& sent : system.desktop.Broadcasts) {
      EXPECT_EQ(sent.message, module->State().TippMessage);
      if (sent.wParam == kOkCode)
        values.push_back(sent.lParam);
    }
    return values;
  }
};

TEST_F(TipPage, TheTypicalRequestSwitchesBothEntriesOffAndTellsTheHost) {
  Create();
  TFormPelk412* page = Page();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->Visible());
  EXPECT_EQ(page->Caption(), "Kontextmenü");
  EXPECT_EQ(page->StaticTextTitle->Caption(), "Kontextmenü");
  EXPECT_EQ(page->Tag(), 13);
  EXPECT_EQ(page->Hint(), "Hinweis");
  EXPECT_EQ(page->HelpId, 412);
  EXPECT_EQ(page->Width(), 300);
  EXPECT_TRUE(page->CheckBox1->Checked());
  EXPECT_TRUE(page->CheckBox1->Enabled());
  EXPECT_EQ(module->ModulChanged(), 0);  // reading the state is no change

  page->CheckBox1->UserClick();
  EXPECT_FALSE(page->CheckBox1->Checked());
  EXPECT_EQ(module->ModulChanged(), 1);
  EXPECT_TRUE(Shown(kCopyToHandler));  // nothing written before OK

  page->HotSpeedButtonOK->UserClick();
  EXPECT_TRUE(EntriesHidden());
  EXPECT_TRUE(system.registry.KeyExists(RootKey::ClassesRoot, kCopyTo));
  EXPECT_TRUE(system.registry.KeyExists(RootKey::ClassesRoot, kMoveTo));
  EXPECT_EQ(system.shell.AssociationNotifications, 1);
  EXPECT_EQ(OkBroadcasts(), std::vector<std::intptr_t>{2});
  EXPECT_EQ(module->ModulChanged(), 2);
  EXPECT_EQ(module->ModulNr(), 2);

  page->CheckBox1->UserClick();  // a further change
  EXPECT_EQ(module->ModulChanged(), 1);
  EXPECT_EQ(module->ModulFree(), 1);
  EXPECT_EQ(module->ModulFree(), 1);
  EXPECT_EQ(system.desktop.TopLevelCount(), 0u);
}

TEST_F(TipPage, OnlyOneEntryShownReadsClearAndOkHidesTheOtherToo) {
  ShowEntries(false, true);
  Create();
  EXPECT_FALSE(Page()->CheckBox1->Checked());
  Page()->HotSpeedButtonOK->UserClick();
  EXPECT_TRUE(EntriesHidden());
  EXPECT_EQ(module->ModulChanged(), 0);  // applied, but nothing was changed
}

TEST_F(TipPage, EveryClickCountsAndOkKeepsTheStateThatWasReadUntouched) {
  system.registry.SetValue(RootKey::ClassesRoot, kCopyTo, "Other", RegistryValue::DWord(7));
  Create();
  Page()->CheckBox1->UserClick();
  Page()->CheckBox1->UserClick();
  EXPECT_TRUE(Page()->CheckBox1->Checked());
  EXPECT_EQ(module->ModulChanged(), 1);
  EXPECT_EQ(module->ModulSaveChanges(), 1);
  EXPECT_TRUE(EntriesShown());
  EXPECT_EQ(system.registry.Value(RootKey::ClassesRoot, kCopyTo, "Other"), RegistryValue::DWord(7));
  EXPECT_EQ(system.shell.AssociationNotifications, 0) << "nothing changed for Explorer";
  EXPECT_EQ(module->ModulChanged(), 2);

  // OK twice: the host hears of both.
  Page()->HotSpeedButtonOK->UserClick();
  EXPECT_EQ(system.shell.AssociationNotifications, 0);
  EXPECT_EQ(OkBroadcasts(), (std::vector<std::intptr_t>{2, 2}));
}

TEST_F(TipPage, UndoTicksTheBoxAndCountsAChangeOnlyWhenItWasClear) {
  Create();
  Page()->HotSpeedButtonUndo->UserClick();  // already ticked
  EXPECT_EQ(module->ModulChanged(), 0);
  EXPECT_EQ(module->ModulNr(), 1);
  EXPECT_TRUE(system.desktop.Broadcasts.empty());
  ASSERT_EQ(module->ModulSaveChanges(), 1);
  EXPECT_TRUE(Shown(kCopyToHandler));
  EXPECT_EQ(OkBroadcasts(), std::vector<std::intptr_t>{1});
  module->ModulFree();

  ShowEntries(false, false);
  system.desktop.Broadcasts.clear();
  Create();
  EXPECT_FALSE(Page()->CheckBox1->Checked());
  Page()->HotSpeedButtonUndo->UserClick();
  EXPECT_TRUE(Page()->CheckBox1->Checked());
  EXPECT_EQ(module->ModulChanged(), 1);
  EXPECT_EQ(Entry(kCopyToHandler), RegistryValue::String("off"));  // applied only by OK
  EXPECT_TRUE(system.desktop.Broadcasts.empty());
  Page()->HotSpeedButtonOK->UserClick();
  EXPECT_TRUE(EntriesShown());
  EXPECT_EQ(OkBroadcasts(), std::vector<std::intptr_t>{1});
}

TEST_F(TipPage, ALockedPageNeverReadsNorWritesTheSystemState) {
  Create(kOsTypeXp, kMeBit);
  TFormPelk412* page = Page();
  EXPECT_FALSE(module->State().TippActive);
  EXPECT_FALSE(page->ReadSystemState());
  EXPECT_FALSE(page->CheckBox1->Checked());
  EXPECT_FALSE(page->CheckBox1->Enabled());
  EXPECT_FALSE(page->HotSpeedButtonOK->Enabled());
  EXPECT_FALSE(page->HotSpeedButtonUndo->Enabled());
  EXPECT_TRUE(page->HotSpeedButtonInfo->Enabled());
  EXPECT_TRUE(page->HotSpeedButtonRegistry->Enabled());
  page->CheckBox1->UserClick();  // disabled: no effect
  EXPECT_EQ(module->ModulChanged(), 0);

  // The host may still save: the state the user never saw stays as it is.
  EXPECT_EQ(module->ModulSaveChanges(), 1);
  EXPECT_TRUE(EntriesShown());
  EXPECT_EQ(system.shell.AssociationNotifications, 0);
  EXPECT_TRUE(module->State().TippSaved);
  EXPECT_EQ(OkBroadcasts(), std::vector<std::intptr_t>{2});
}

TEST_F(TipPage, ASettingOfTheWrongTypeIsReportedOnceAndThePageCannotWrite) {
  system.registry.SetValue(RootKey::CurrentUser, test::kSettingsKey, "BSControl",
                           RegistryValue::String("1"));
  Create();
  ASSERT_NE(Page(), nullptr);
  EXPECT_EQ(system.dialogs.Boxes.size(), 1u);
  EXPECT_TRUE(Page()->Visible());
  EXPECT_TRUE(module->State().TippShown);
  EXPECT_FALSE(module->State().TippActive);
  EXPECT_FALSE(Page()->CheckBox1->Checked());
  Page()->CheckBox1->UserClick();
  EXPECT_EQ(module->ModulSaveChanges(), 1);
  EXPECT_TRUE(EntriesShown());
}

TEST_F(TipPage, ARefusedWriteChangesNothingTellsTheUserAndSkipsTheOkStep) {
  system.registry.DenyWriteAccess(RootKey::ClassesRoot, kMoveTo);
  Create(kOsTypeXp, kXpBit, 1);
  Page()->CheckBox1->UserClick();

  EXPECT_EQ(module->ModulSaveChanges(), 0);
  ASSERT_EQ(system.dialogs.Boxes.size(), 1u);
  const std::string& text = system.dialogs.Boxes[0].text;
  EXPECT_NE(text.find("HKEY_CLASSES_ROOT\\" + kMoveTo), std::string::npos) << text;
  EXPECT_NE(text.find("administrator"), std::string::npos) << text;
  EXPECT_TRUE(EntriesShown());
  EXPECT_TRUE(OkBroadcasts().empty());
  EXPECT_EQ(module->ModulChanged(), 1);

  // The page's own OK button: the library reports it, the page keeps running.
  Page()->HotSpeedButtonOK->UserClick();
  EXPECT_EQ(system.dialogs.Boxes.size(), 2u);
  EXPECT_TRUE(Shown(kCopyToHandler));
  EXPECT_TRUE(OkBroadcasts().empty());
  EXPECT_TRUE(module->HasPage());
}

TEST_F(TipPage, TheHostsCloseCommandEndsThePageAndEveryExportStaysSafe) {
  EXPECT_EQ(module->ModulSaveChanges(), 0);  // before ModulCreate
  Create();
  Command(kCommandClose, 0);
  EXPECT_FALSE(module->HasPage());
  EXPECT_EQ(system.desktop.TopLevelCount(), 0u);
  EXPECT_EQ(module->ModulSaveChanges(), 0);
  EXPECT_EQ(module->ModulChanged(), 0);
  EXPECT_EQ(module->ModulNr(), 2);
  EXPECT_EQ(module->ModulFree(), 1);
  EXPECT_TRUE(Shown(kCopyToHandler));
}

TEST_F(TipPage, TheHostMayCloseThePageWhileItsOwnBroadcastIsUnderWay) {
  Create();
  ClosingHost host(*this, kNotifyOkDone);
  Page()->CheckBox1->UserClick();
  EXPECT_EQ(module->ModulSaveChanges(), 1);
  EXPECT_FALSE(module->HasPage());
  EXPECT_FALSE(Entry(kCopyToHandler).has_value());
  EXPECT_EQ(module->ModulChanged(), 2);

  Create();
  Page()->HotSpeedButtonOK->UserClick();  // the same from the page's own button
  EXPECT_FALSE(module->HasPage());
  EXPECT_TRUE(system.dialogs.Boxes.empty());
}

TEST_F(TipPage, ASecondPageInTheSameLoadDoesNotCountItsReadingAsAChange) {
  Create();
  EXPECT_EQ(module->ModulFree(), 1);
  Create();
  EXPECT_TRUE(Page()->CheckBox1->Checked());
  EXPECT_EQ(module->ModulChanged(), 0);
  Page()->CheckBox1->UserClick();
  EXPECT_EQ(module->ModulChanged(), 1);
}

TEST_F(TipPage, TheCheckBoxCaptionFollowsTheLanguage) {
  Create(kOsTypeXp, kXpBit, 1);
  EXPECT_EQ(Page()->CheckBox1->Caption(), "Show Contextmenu for File-Operations");
  for (int language : {0, 2, -1}) {
    Page()->Sprache(language);
    EXPECT_EQ(Page()->CheckBox1->Caption(), "Kontextmenü für Datei-Operationen anzeigen");
  }
  EXPECT_EQ(Page()->Fensterwechseln1->Caption(), "Fenster wechseln");
}

}  // namespace
}  // namespace pelk
