// Bad input from the host and the system, row by row, against the whole module: each row checks
// that nothing escapes a Module member, the module stays usable and the registry holds exactly
// what it should.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "template/RegistryJump.h"
#include "template/SystemRestart.h"
#include "template/TippActivation.h"
#include "tests/unit/TipModuleRig.h"

namespace pelk {
namespace {

using test::ClosingHost;

constexpr int kSupportedOs = kOsTypeXp;
constexpr int kSupportedMask = kXpBit;

// The registry values the module may touch, compared as a whole.
struct RegistryPicture {
  std::optional<RegistryValue> copyTo, moveTo, bsControl, lastKey;
  std::vector<std::string> classesKeys, userKeys;
  bool operator==(const RegistryPicture& o) const {
    return copyTo == o.copyTo && moveTo == o.moveTo && bsControl == o.bsControl &&
           lastKey == o.lastKey && classesKeys == o.classesKeys && userKeys == o.userKeys;
  }
};

void PrintTo(const std::optional<RegistryValue>& value, std::ostream* out) {
  if (!value)
    *out << "(none)";
  else
    *out << static_cast<int>(value->type) << ":" << ::testing::PrintToString(value->data);
}
void PrintTo(const RegistryPicture& p, std::ostream* out) {
  *out << "\n  Copy To ";
  PrintTo(p.copyTo, out);
  *out << "\n  Move To ";
  PrintTo(p.moveTo, out);
  *out << "\n  BSControl ";
  PrintTo(p.bsControl, out);
  *out << "\n  LastKey ";
  PrintTo(p.lastKey, out);
  *out << "\n  keys " << ::testing::PrintToString(p.classesKeys) << " "
       << ::testing::PrintToString(p.userKeys);
}

// One fresh module with both entries shown, and what may go wrong in it.
struct Rig : test::TipModuleRig {
  using TipModuleRig::TipModuleRig;
  RegistryPicture Picture() const {
    const MemoryRegistryStore& r = system.registry;
    return {r.Value(RootKey::ClassesRoot, kCopyToHandler.keyPath, ""),
            r.Value(RootKey::ClassesRoot, kMoveToHandler.keyPath, ""),
            r.Value(RootKey::CurrentUser, kSettingsKey, kBSControlValue),
            r.Value(RootKey::CurrentUser, kRegeditSettingsKey, kRegeditLastKeyValue),
            r.KeyPaths(RootKey::ClassesRoot),
            r.KeyPaths(RootKey::CurrentUser)};
  }
  bool RangeErrorsOnly() const {
    for (const std::string& text : system.dialogs.Texts())
      if (text != "Range check error")
        return false;
    return true;
  }
};

std::uintptr_t AsWParam(std::int64_t value) {
  return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(value));
}

TEST(BadInputMatrix, NegativeCommandParametersAreRefusedForEveryCommand) {
  const std::vector<std::int32_t> codes = {kCommandClose,    kCommandSetLeft,   kCommandSetTop,
                                           kCommandSetWidth, kCommandSetHeight, kCommandNone,
                                           kCommandShow};
  struct Bad {
    bool negativeCode;  // otherwise the argument is negative
    std::int64_t value;
  };
  const std::vector<Bad> bads = {{false, -1},           {false, INT_MIN}, {false, 0xFFFFFFFFll},
                                 {false, 0x80000005ll}, {true, -1},       {true, INT_MIN}};
  for (std::int32_t code : codes) {
    for (const Bad& bad : bads) {
      // The code's sign bit set is the same code made negative.
      const std::uintptr_t wParam =
          bad.negativeCode ? AsWParam(code == 0 ? bad.value : (bad.value | code)) : AsWParam(code);
      const std::intptr_t lParam = bad.negativeCode ? 7 : static_cast<std::intptr_t>(bad.value);
      const std::string label = std::to_string(code) + (bad.negativeCode ? " code " : " value ") +
                                std::to_string(bad.value);
      for (bool broadcast : {false, true}) {
        Rig rig;
        rig.Create();
        const RegistryPicture before = rig.Picture();
        if (broadcast)
          rig.system.desktop.Broadcast(rig.module->State().TippMessage, wParam, lParam);
        else
          EXPECT_EQ(rig.Command(wParam, lParam), 0) << label;
        ASSERT_NE(rig.Page(), nullptr) << label;
        TFormPelk412& page = *rig.Page();
        EXPECT_TRUE(page.Visible()) << label;
        EXPECT_EQ(page.Left(), 100) << label;
        EXPECT_EQ(page.Top(), 100) << label;
        EXPECT_EQ(page.Width(), 300) << label;
        EXPECT_EQ(page.Height(), 460) << label;
        EXPECT_EQ(rig.system.dialogs.Boxes.size(), 1u) << label;
        EXPECT_TRUE(rig.RangeErrorsOnly()) << label;
        EXPECT_EQ(rig.module->ModulChanged(), 0) << label;
        EXPECT_EQ(rig.Picture(), before) << label;
        // Still obeys a sound command afterwards.
        rig.Command(kCommandSetLeft, 5);
        EXPECT_EQ(page.Left(), 5) << label;
        EXPECT_EQ(rig.module->ModulFree(), 1);
        EXPECT_EQ(rig.system.desktop.TopLevelCount(), 0u) << label;
      }
    }
  }
}

TEST(BadInputMatrix, OsTypesOutsideTheTableLockThePageAndWriteNothing) {
  for (int osType : {-1, 0, 19, 0x7FFFFFFF, INT_MIN}) {
    for (std::int32_t mask : {kSupportedMask, 0x3FFFF, -1}) {
      const std::string label = std::to_string(osType) + "/" + std::to_string(mask);
      Rig rig;
      rig.ShowEntries(false, false);
      EXPECT_EQ(rig.Create(osType, mask), 0) << label;
      ASSERT_NE(rig.Page(), nullptr) << label;
      const RegistryPicture before = rig.Picture();
      EXPECT_EQ(rig.module->State().OsBit, 0) << label;
      EXPECT_FALSE(rig.module->State().TippActive) << label;
      EXPECT_FALSE(rig.Page()->CheckBox1->Enabled()) << label;
      rig.Page()->CheckBox1->UserClick();
      rig.Page()->HotSpeedButtonInfo->UserClick();
      EXPECT_EQ(rig.module->ModulChanged(), 0) << label;
      EXPECT_EQ(rig.module->ModulSaveChanges(), 1) << label;
      EXPECT_EQ(rig.Picture(), before) << label;
      EXPECT_EQ(rig.system.shell.AssociationNotifications, 0) << label;
      ASSERT_EQ(rig.system.dialogs.Boxes.size(), 1u) << label;  // the Info box only
      EXPECT_EQ(rig.system.dialogs.Boxes[0].text.rfind("Gültig für:", 0), 0u) << label;
      EXPECT_EQ(rig.module->ModulFree(), 1) << label;
    }
  }
  // Told to ignore the version, the page works on any of them.
  Rig rig;
  rig.system.registry.SetValue(RootKey::CurrentUser, kSettingsKey, kBSControlValue,
                               RegistryValue::DWord(0));
  rig.Create(INT_MIN, 0);
  EXPECT_TRUE(rig.module->State().TippActive);
  rig.Page()->CheckBox1->UserClick();
  EXPECT_EQ(rig.module->ModulSaveChanges(), 1);
  EXPECT_TRUE(rig.EntriesHidden());
}

TEST(BadInputMatrix, NullHugeAndOddStringsAndBoundsMakeAWorkingPage) {
  const std::string huge(64 * 1024, '\xE4');  // the host's ANSI code page: Windows-1252 here
  std::string hugeShown;
  for (std::size_t i = 0; i < huge.size(); ++i)
    hugeShown += "ä";
  struct Row {
    const char* caption;
    const char* hint;
    std::string expectedCaption, expectedHint;
  };
  const std::vector<Row> rows = {{nullptr, nullptr, "", ""},
                                 {huge.c_str(), nullptr, hugeShown, ""},
                                 {nullptr, huge.c_str(), "", hugeShown},
                                 {huge.c_str(), huge.c_str(), hugeShown, hugeShown},
                                 {"", "\r\n\t", "", "\r\n\t"}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Rig rig;
    rig.Create(kSupportedOs, kSupportedMask, 0, rows[i].caption, rows[i].hint);
    ASSERT_NE(rig.Page(), nullptr) << i;
    EXPECT_EQ(rig.Page()->Caption(), rows[i].expectedCaption) << i;
    EXPECT_EQ(rig.Page()->StaticTextTitle->Caption(), rows[i].expectedCaption) << i;
    EXPECT_EQ(rig.Page()->Hint(), rows[i].expectedHint) << i;
    rig.Page()->CheckBox1->UserClick();
    EXPECT_EQ(rig.module->ModulSaveChanges(), 1) << i;
    EXPECT_TRUE(rig.EntriesHidden()) << i;
    EXPECT_TRUE(rig.system.dialogs.Boxes.empty()) << i;
  }

  // Bounds at the ends of the integer range are held within what a window can take.
  const std::vector<std::vector<int>> bounds = {
      {INT_MIN, INT_MIN, -1, -1}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {0, 0, 0, 0}};
  for (const std::vector<int>& b : bounds) {
    Rig rig;
    EXPECT_EQ(rig.module->ModulCreate(b[0], b[1], b[2], b[3], kSupportedOs, 1, "x", "y",
                                      kSupportedMask, 412),
              0);
    ASSERT_NE(rig.Page(), nullptr);
    EXPECT_GE(rig.Page()->Width(), 0);
    EXPECT_GE(rig.Page()->Height(), 0);
    EXPECT_TRUE(rig.Page()->Visible());
    EXPECT_EQ(rig.module->ModulFree(), 1);
    EXPECT_EQ(rig.system.desktop.TopLevelCount(), 0u);
  }
}

TEST(BadInputMatrix, ASettingOfAnyWrongTypeIsReportedAndLeavesEverythingAsItWas) {
  const std::vector<RegistryValue> wrong = {
      RegistryValue::String("0"),
      {RegistryType::ExpandString, "0"},
      {RegistryType::Binary, std::string(4, '\0')},
      {RegistryType::Binary, std::string(2, '\0')},
      {static_cast<RegistryType>(11), std::string(8, '\0')},  // a 64-bit number
      {RegistryType::MultiString, std::string("0\0\0", 3)},
      {RegistryType::DWord, std::string(2, '\0')},  // typed as a number, but too short
      {RegistryType::None, ""},
  };
  for (std::size_t i = 0; i < wrong.size(); ++i) {
    for (int osType : {kSupportedOs, 11}) {  // supported, and locked were it read
      Rig rig;
      rig.system.registry.SetValue(RootKey::CurrentUser, kSettingsKey, kBSControlValue, wrong[i]);
      const RegistryPicture before = rig.Picture();
      rig.Create(osType);
      ASSERT_NE(rig.Page(), nullptr) << i;
      EXPECT_EQ(rig.system.dialogs.Boxes.size(), 1u) << i;
      EXPECT_TRUE(rig.Page()->Visible()) << i;
      EXPECT_FALSE(rig.module->State().TippActive) << i;
      EXPECT_FALSE(rig.Page()->ReadSystemState()) << i;
      rig.Page()->CheckBox1->UserClick();
      rig.Page()->HotSpeedButtonUndo->UserClick();
      EXPECT_EQ(rig.module->ModulSaveChanges(), 1) << i;
      EXPECT_EQ(rig.Picture(), before) << i;
      EXPECT_EQ(rig.module->ModulFree(), 1) << i;
    }
  }
}

TEST(BadInputMatrix, RefusedWritesChangeNothingAndAreReported) {
  struct Row {
    RootKey root;
    std::string key;
    bool wholeKey;  // refuse opening for writing; otherwise refuse only the value changes
  };
  const std::vector<Row> entries = {{RootKey::ClassesRoot, kCopyToHandler.keyPath, true},
                                    {RootKey::ClassesRoot, kCopyToHandler.keyPath, false},
                                    {RootKey::ClassesRoot, kMoveToHandler.keyPath, true},
                                    {RootKey::ClassesRoot, kMoveToHandler.keyPath, false}};
  for (const Row& row : entries) {
    for (bool show : {false, true}) {
      Rig rig;
      rig.ShowEntries(!show, !show);
      if (row.wholeKey)
        rig.system.registry.DenyWriteAccess(row.root, row.key);
      else
        rig.system.registry.RefuseValueChanges(row.root, row.key);
      rig.Create();
      const RegistryPicture before = rig.Picture();
      rig.Page()->CheckBox1->UserClick();
      EXPECT_EQ(rig.Page()->CheckBox1->Checked(), show);
      EXPECT_EQ(rig.module->ModulSaveChanges(), 0) << row.key;
      EXPECT_EQ(rig.Picture(), before) << row.key << " " << row.wholeKey;
      ASSERT_EQ(rig.system.dialogs.Boxes.size(), 1u) << row.key;
      EXPECT_NE(rig.system.dialogs.Boxes[0].text.find(row.key), std::string::npos)
          << rig.system.dialogs.Boxes[0].text;
      EXPECT_EQ(rig.module->ModulChanged(), 1);
      EXPECT_TRUE(rig.system.desktop.Broadcasts.empty());
      EXPECT_EQ(rig.system.shell.AssociationNotifications, 0);
      // The page's own button: reported too, the page stays.
      rig.Page()->HotSpeedButtonOK->UserClick();
      EXPECT_EQ(rig.system.dialogs.Boxes.size(), 2u);
      EXPECT_EQ(rig.Picture(), before);
      EXPECT_TRUE(rig.module->HasPage());
    }
  }

  {  // The settings key cannot be made: the default setting holds, silently.
    Rig rig;
    rig.system.registry.DenyWriteAccess(RootKey::CurrentUser, kSettingsKey);
    rig.Create(11);
    EXPECT_FALSE(rig.system.registry.KeyExists(RootKey::CurrentUser, kSettingsKey));
    EXPECT_TRUE(rig.Page()->BSControl);
    EXPECT_FALSE(rig.module->State().TippActive);
    EXPECT_TRUE(rig.system.dialogs.Boxes.empty());
    EXPECT_EQ(rig.module->ModulSaveChanges(), 1);
    EXPECT_TRUE(rig.EntriesShown());
  }
  for (bool wholeKey : {true, false}) {  // Regedit's key: reported, the editor not started
    Rig rig;
    if (wholeKey)
      rig.system.registry.DenyWriteAccess(RootKey::CurrentUser, kRegeditSettingsKey);
    else
      rig.system.registry.RefuseValueChanges(RootKey::CurrentUser, kRegeditSettingsKey);
    rig.system.help.Texts[{412, 5}] = "HKEY_CLASSES_ROOT\\AllFileSystemObjects";
    rig.Create();
    const RegistryPicture before = rig.Picture();
    rig.Page()->HotSpeedButtonRegistry->UserClick();
    EXPECT_EQ(rig.system.dialogs.Boxes.size(), 1u) << wholeKey;
    EXPECT_TRUE(rig.system.shell.Executions.empty()) << wholeKey;
    const RegistryPicture after = rig.Picture();
    EXPECT_EQ(after.lastKey, before.lastKey) << wholeKey;
    EXPECT_EQ(after.classesKeys, before.classesKeys) << wholeKey;
    if (wholeKey) {  // otherwise the key itself may be made
      EXPECT_EQ(after, before);
    }
    EXPECT_TRUE(rig.module->HasPage());
  }
}

TEST(BadInputMatrix, WithoutAMessageIdThePageWorksAndSendsNothing) {
  Rig rig(true);
  EXPECT_EQ(rig.module->State().TippMessage, 0);
  rig.Create();
  rig.Page()->Perform(0, kCommandClose, 0);  // message 0 is nobody's close command
  ASSERT_NE(rig.Page(), nullptr);
  rig.Page()->CheckBox1->UserClick();
  EXPECT_TRUE(rig.Page()->UserKeyDown(kVkF12));
  EXPECT_EQ(rig.module->ModulSaveChanges(), 1);
  EXPECT_TRUE(rig.EntriesHidden());
  EXPECT_EQ(rig.module->ModulChanged(), 2);
  EXPECT_TRUE(rig.system.desktop.Broadcasts.empty());
  EXPECT_TRUE(rig.system.dialogs.Boxes.empty());
  EXPECT_EQ(rig.module->ModulFree(), 1);
  EXPECT_EQ(rig.system.desktop.TopLevelCount(), 0u);
}

TEST(BadInputMatrix, ResolutionsThatCannotBeRightNeverBreakThePage) {
  for (int dpi : {0, -96, 1, INT_MIN, INT_MAX}) {
    Rig rig;
    rig.system.screen.Dpi = dpi;
    rig.Create();
    ASSERT_NE(rig.Page(), nullptr) << dpi;
    EXPECT_GE(rig.Page()->ClientWidth(), 0) << dpi;
    EXPECT_LE(rig.system.dialogs.Boxes.size(), 1u) << dpi;
    rig.Page()->CheckBox1->UserClick();
    EXPECT_EQ(rig.module->ModulSaveChanges(), 1) << dpi;
    EXPECT_TRUE(rig.EntriesHidden()) << dpi;
  }
}

TEST(BadInputMatrix, ARefusedRestartIsReportedAndThePageStays) {
  struct Row {
    const char* what;
    void (*refuse)(FakeShutdown&);
    int osType;
  };
  const std::vector<Row> rows = {
      {"token", [](FakeShutdown& s) { s.RefuseToken = true; }, 10},
      {"lookup", [](FakeShutdown& s) { s.FailLookup = true; }, 11},
      {"privilege", [](FakeShutdown& s) { s.RefuseAdjust = true; }, 10},
      {"exit NT", [](FakeShutdown& s) { s.RefuseExit = true; }, 11},
      {"exit", [](FakeShutdown& s) { s.RefuseExit = true; }, kSupportedOs},
  };
  for (const Row& row : rows) {
    Rig rig;
    row.refuse(rig.system.shutdown);
    rig.Create(row.osType, 0x3FFFF);
    rig.system.dialogs.Answers = {mrYes};
    const RegistryPicture before = rig.Picture();
    rig.Page()->NeuStart();
    ASSERT_NE(rig.Page(), nullptr) << row.what;
    EXPECT_TRUE(rig.Page()->Visible()) << row.what;
    ASSERT_EQ(rig.system.dialogs.Boxes.size(), 2u) << row.what;
    EXPECT_EQ(rig.system.dialogs.Boxes[1].text, kRestartFailed) << row.what;
    EXPECT_EQ(rig.system.shutdown.OpenTokens, 0) << row.what;
    EXPECT_EQ(rig.Picture(), before) << row.what;
  }
}

TEST(BadInputMatrix, MissingHelpTextsLeaveEmptyMemosAndAnEmptyJump) {
  for (int kind : {2, 4, 5, 0}) {  // 0: all three missing
    Rig rig;
    for (int k : {2, 4, 5})
      rig.system.help.Texts[{412, k}] = "Text " + std::to_string(k);
    for (int k : {2, 4, 5})
      if (kind == 0 || k == kind)
        rig.system.help.Texts[{412, k}] = std::nullopt;
    rig.Create();
    TFormPelk412& page = *rig.Page();
    EXPECT_EQ(page.MemoHelpD->Text(), kind == 2 || kind == 0 ? "" : "Text 2") << kind;
    EXPECT_EQ(page.MemoHelpUS->Text(), kind == 4 || kind == 0 ? "" : "Text 4") << kind;
    page.HotSpeedButtonRegistry->UserClick();
    EXPECT_EQ(
        rig.system.registry.Value(RootKey::CurrentUser, kRegeditSettingsKey, kRegeditLastKeyValue),
        RegistryValue::String(kind == 5 || kind == 0 ? "" : "Text 5"))
        << kind;
    EXPECT_EQ(rig.system.shell.Executions.size(), 1u) << kind;
    EXPECT_TRUE(rig.system.dialogs.Boxes.empty()) << kind;
    EXPECT_TRUE(rig.EntriesShown()) << kind;
  }
}

TEST(BadInputMatrix, TheHostMayCloseThePageDuringEachOfItsBroadcasts) {
  enum class Trigger { OkButton, SaveChanges, F12, MenuEntry };
  for (Trigger trigger :
       {Trigger::OkButton, Trigger::SaveChanges, Trigger::F12, Trigger::MenuEntry}) {
    for (bool hostFirst : {true, false}) {
      const std::string label =
          std::to_string(static_cast<int>(trigger)) + (hostFirst ? " host first" : " page first");
      Rig rig;
      const bool ok = trigger == Trigger::OkButton || trigger == Trigger::SaveChanges;
      std::unique_ptr<ClosingHost> host;
      if (hostFirst)
        host = std::make_unique<ClosingHost>(rig, ok ? kNotifyOkDone : kNotifySwitchWindow);
      rig.Create();
      if (!hostFirst)
        host = std::make_unique<ClosingHost>(rig, ok ? kNotifyOkDone : kNotifySwitchWindow);
      rig.Page()->CheckBox1->UserClick();
      switch (trigger) {
        case Trigger::OkButton:
          rig.Page()->HotSpeedButtonOK->UserClick();
          break;
        case Trigger::SaveChanges:
          EXPECT_EQ(rig.module->ModulSaveChanges(), 1) << label;
          break;
        case Trigger::F12:
          EXPECT_TRUE(rig.Page()->UserKeyDown(kVkF12)) << label;
          break;
        case Trigger::MenuEntry:
          rig.Page()->Fensterwechseln1->Click();
          break;
      }
      EXPECT_EQ(host->closed, 1) << label;
      EXPECT_FALSE(rig.module->HasPage()) << label;
      EXPECT_EQ(rig.system.desktop.TopLevelCount(), 1u) << label;  // the host only
      EXPECT_TRUE(rig.system.dialogs.Boxes.empty()) << label;
      EXPECT_EQ(rig.module->ModulChanged(), ok ? 2 : 1) << label;
      EXPECT_EQ(ok, rig.EntriesHidden()) << label;
      EXPECT_EQ(rig.module->ModulSaveChanges(), 0) << label;
      EXPECT_EQ(rig.module->ModulFree(), 1) << label;
    }
  }
}

TEST(BadInputMatrix, TheHostMayCloseThePageWhileItShowsAMessageBox) {
  // The box's modal loop still delivers the host's messages.
  struct Row {
    const char* what;
    void (*act)(Rig&);
  };
  const std::vector<Row> rows = {
      {"info", [](Rig& rig) { rig.Page()->HotSpeedButtonInfo->UserClick(); }},
      {"restart question",
       [](Rig& rig) {
         rig.system.dialogs.Answers = {mrYes};
         rig.Page()->NeuStart();
       }},
      {"restart refused",
       [](Rig& rig) {
         rig.system.dialogs.Answers = {mrYes};
         rig.system.shutdown.RefuseExit = true;
         rig.Page()->NeuStart();
       }},
      {"refused write",
       [](Rig& rig) {
         rig.system.registry.DenyWriteAccess(RootKey::ClassesRoot, kCopyToHandler.keyPath);
         rig.Page()->CheckBox1->UserClick();  // a change to refuse
         rig.Page()->HotSpeedButtonOK->UserClick();
       }},
      {"refused save",
       [](Rig& rig) {
         rig.system.registry.DenyWriteAccess(RootKey::ClassesRoot, kCopyToHandler.keyPath);
         rig.Page()->CheckBox1->UserClick();
         EXPECT_EQ(rig.module->ModulSaveChanges(), 0);
       }},
      {"bad command", [](Rig& rig) { rig.Command(kCommandSetLeft, -1); }},
  };
  for (const Row& row : rows) {
    Rig rig;
    rig.Create();
    rig.system.dialogs.WhileOpen = [&rig](const std::string&) {
      if (rig.Page())
        rig.Command(kCommandClose, 0);
    };
    row.act(rig);
    EXPECT_FALSE(rig.module->HasPage()) << row.what;
    EXPECT_FALSE(rig.system.dialogs.Boxes.empty()) << row.what;
    EXPECT_EQ(rig.system.desktop.TopLevelCount(), 0u) << row.what;
    EXPECT_TRUE(rig.EntriesShown()) << row.what;
    EXPECT_EQ(rig.module->ModulFree(), 1) << row.what;
  }
}

TEST(BadInputMatrix, EveryExportIsSafeBeforeCreationAfterFreeAndAfterClose) {
  enum class When { BeforeCreate, AfterFree, AfterClose };
  for (When when : {When::BeforeCreate, When::AfterFree, When::AfterClose}) {
    const int label = static_cast<int>(when);
    Rig rig;
    if (when != When::BeforeCreate) {
      rig.Create();
      rig.Page()->CheckBox1->UserClick();
      rig.Page()->HotSpeedButtonUndo->UserClick();
      if (when == When::AfterFree)
        EXPECT_EQ(rig.module->ModulFree(), 1);
      else
        rig.Command(kCommandClose, 0);
    }
    const RegistryPicture before = rig.Picture();
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(rig.module->ModulSaveChanges(), 0) << label;
      EXPECT_EQ(rig.module->ModulChanged(), when == When::BeforeCreate ? 0 : 1) << label;
      EXPECT_EQ(rig.module->ModulNr(), when == When::BeforeCreate ? 2 : 1) << label;
      EXPECT_EQ(rig.module->ModulFree(), 1) << label;
    }
    EXPECT_FALSE(rig.module->HasPage());
    EXPECT_EQ(rig.system.desktop.TopLevelCount(), 0u) << label;
    EXPECT_TRUE(rig.system.dialogs.Boxes.empty()) << label;
    EXPECT_EQ(rig.Picture(), before) << label;
    // Broadcasts to where the page was reach nobody.
    rig.system.desktop.Broadcast(rig.module->State().TippMessage, kCommandShow, 0);
    // A new page afterwards works as the first one did.
    EXPECT_EQ(rig.Create(), 0);
    ASSERT_NE(rig.Page(), nullptr);
    rig.Page()->CheckBox1->UserClick();
    EXPECT_EQ(rig.module->ModulSaveChanges(), 1) << label;
    EXPECT_TRUE(rig.EntriesHidden()) << label;
    EXPECT_EQ(rig.system.desktop.TopLevelCount(), 1u) << label;
  }

  // Creating twice leaves one page; the module's end frees it.
  Rig rig;
  rig.Create();
  rig.Create(11, 0x3FFFF);
  EXPECT_EQ(rig.system.desktop.TopLevelCount(), 1u);
  rig.module.reset();
  EXPECT_EQ(rig.system.desktop.TopLevelCount(), 0u);
}

}  // namespace
}  // namespace pelk
