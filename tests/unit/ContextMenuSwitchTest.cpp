#include <gtest/gtest.h>

#include <vector>

#include "platform/Exception.h"
#include "platform/headless/MemoryRegistryStore.h"
#include "platform/headless/RecordingShell.h"
#include "tip/ContextMenuSwitch.h"

namespace pelk {
namespace {

constexpr RootKey kHkcr = RootKey::ClassesRoot;
const std::string kCopyTo = kCopyToHandler.keyPath;
const std::string kMoveTo = kMoveToHandler.keyPath;
const std::string kCopyId = kCopyToHandler.classId;
const std::string kMoveId = kMoveToHandler.classId;

class ContextMenuSwitch : public ::testing::Test {
 protected:
  void SetDefault(const std::string& key, const std::string& text) {
    store.SetValue(kHkcr, key, "", RegistryValue::String(text));
  }
  std::optional<RegistryValue> Default(const std::string& key) {
    return store.Value(kHkcr, key, "");
  }
  MemoryRegistryStore store;
  RecordingShell shell;
};

TEST_F(ContextMenuSwitch, HandlerTableHoldsTheShellsKeysAndClassIds) {
  EXPECT_EQ(kCopyTo, "AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Copy To");
  EXPECT_EQ(kMoveTo, "AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Move To");
  EXPECT_EQ(kCopyId, "{C2FBB630-2971-11D1-A18C-00C04FD75D13}");
  EXPECT_EQ(kMoveId, "{C2FBB631-2971-11D1-A18C-00C04FD75D13}");
}

TEST_F(ContextMenuSwitch, ReadIsTrueOnlyWhenBothHoldTheirExactClassId) {
  EXPECT_FALSE(ReadContextMenuState(store));
  EXPECT_TRUE(store.KeyPaths(kHkcr).empty()) << "reading must create nothing";

  SetDefault(kCopyTo, kCopyId);
  EXPECT_FALSE(ReadContextMenuState(store));
  SetDefault(kMoveTo, kMoveId);
  EXPECT_TRUE(ReadContextMenuState(store));

  store.SetValue(kHkcr, kCopyTo, "", {RegistryType::None, ""});
  store.SetValue(kHkcr, kCopyTo, "", RegistryValue::DWord(1));
  EXPECT_FALSE(ReadContextMenuState(store)) << "a default value that is no string";
  for (const std::string& bad : std::vector<std::string>{
           "{c2fbb630-2971-11d1-a18c-00c04fd75d13}", "C2FBB630-2971-11D1-A18C-00C04FD75D13",
           "{C2FBB630-2971-11D1-A18C-00C04FD75D13} ", "", kMoveId}) {
    SetDefault(kCopyTo, bad);
    EXPECT_FALSE(ReadContextMenuState(store)) << bad;
  }
  SetDefault(kCopyTo, kCopyId);
  SetDefault(kMoveTo, kCopyId);  // the other handler's id
  EXPECT_FALSE(ReadContextMenuState(store));
}

TEST_F(ContextMenuSwitch, ReadWorksWhereWritingIsRefused) {
  SetDefault(kCopyTo, kCopyId);
  SetDefault(kMoveTo, kMoveId);
  store.DenyWriteAccess(kHkcr, "AllFileSystemObjects");
  EXPECT_TRUE(ReadContextMenuState(store));
  store.LimitAccess(kHkcr, kMoveTo, RegistryAccess::QueryValue);
  EXPECT_TRUE(ReadContextMenuState(store)) << "reading needs the query right only";
  store.FailReads(kHkcr, kMoveTo);
  EXPECT_FALSE(ReadContextMenuState(store)) << "an unreadable value counts as absent";
}

TEST_F(ContextMenuSwitch, KeysGrantingOnlyQueryAndSetValueAreWritten) {
  SetDefault(kCopyTo, "other");
  store.SetValue(kHkcr, kMoveTo, "Extra", RegistryValue::String("keep"));
  for (const std::string& key : {kCopyTo, kMoveTo})
    store.LimitAccess(kHkcr, key, RegistryAccess::QueryAndSetValue);
  WriteContextMenuState(store, shell, true);
  EXPECT_TRUE(ReadContextMenuState(store));
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(Default(kCopyTo));
  EXPECT_FALSE(Default(kMoveTo));
  EXPECT_EQ(shell.AssociationNotifications, 2);
}

TEST_F(ContextMenuSwitch, HideOnMissingKeysCreatesNothingAndTwiceIsFine) {
  WriteContextMenuState(store, shell, false);
  EXPECT_TRUE(store.KeyPaths(kHkcr).empty()) << "a missing key holds no value to delete";

  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(ReadContextMenuState(store));
  EXPECT_EQ(shell.AssociationNotifications, 0) << "no value was deleted";
  EXPECT_EQ(store.OpenKeyCount(), 0);
}

TEST_F(ContextMenuSwitch, TheShellIsToldOnlyWhenAValueChanged) {
  const std::optional<RegistryValue> none;
  const RegistryValue copyId = RegistryValue::String(kCopyId);
  const RegistryValue moveId = RegistryValue::String(kMoveId);
  const RegistryValue other = RegistryValue::String("other");
  const struct {
    std::optional<RegistryValue> copyTo, moveTo;
    bool show;
    int told;
  } cases[] = {
      {copyId, moveId, true, 0},
      {none, none, false, 0},
      {copyId, other, true, 1},
      {none, moveId, false, 1},
      {copyId, moveId, false, 1},
      {other, other, true, 1},
      // Reads as shown, but is no plain string: made one.
      {RegistryValue{RegistryType::ExpandString, kCopyId}, moveId, true, 1},
  };
  for (const auto& c : cases) {
    MemoryRegistryStore fresh;
    for (const auto& [key, value] : {std::pair(kCopyTo, c.copyTo), std::pair(kMoveTo, c.moveTo)}) {
      fresh.SetValue(kHkcr, key, "Other", RegistryValue::String("keep"));
      if (value)
        fresh.SetValue(kHkcr, key, "", *value);
      // A value that is already as asked is not written again, so refusing it changes nothing.
      if (value == (c.show
                        ? std::optional(RegistryValue::String(key == kCopyTo ? kCopyId : kMoveId))
                        : std::nullopt)) {
        fresh.RefuseValueChanges(kHkcr, key);
      }
    }
    RecordingShell counting;
    WriteContextMenuState(fresh, counting, c.show);
    EXPECT_EQ(ReadContextMenuState(fresh), c.show);
    EXPECT_EQ(counting.AssociationNotifications, c.told) << c.show << " " << c.told;
  }
}

TEST_F(ContextMenuSwitch, ShowReplacesOtherDefaultsAndLeavesOtherValuesAlone) {
  SetDefault(kCopyTo, "{c2fbb630-2971-11d1-a18c-00c04fd75d13}");
  store.SetValue(kHkcr, kMoveTo, "Extra", RegistryValue::String("keep"));
  store.SetValue(kHkcr, kMoveTo + "\\Sub", "", RegistryValue::String("keep too"));
  WriteContextMenuState(store, shell, true);
  EXPECT_EQ(Default(kCopyTo), RegistryValue::String(kCopyId));
  EXPECT_EQ(Default(kMoveTo), RegistryValue::String(kMoveId));
  EXPECT_TRUE(ReadContextMenuState(store));
  EXPECT_EQ(store.Value(kHkcr, kMoveTo, "Extra"), RegistryValue::String("keep"));
  EXPECT_EQ(store.Value(kHkcr, kMoveTo + "\\Sub", ""), RegistryValue::String("keep too"));

  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(ReadContextMenuState(store));
  EXPECT_TRUE(store.Value(kHkcr, kMoveTo, "Extra").has_value());
  EXPECT_TRUE(store.KeyExists(kHkcr, kMoveTo + "\\Sub"));
  EXPECT_EQ(shell.AssociationNotifications, 2);
}

TEST_F(ContextMenuSwitch, RefusedKeyChangesNothingAndNamesTheKey) {
  // A key that opens for reading only, and one whose value cannot be read before the change
  // (which could then not be undone).
  for (const bool failRead : {false, true}) {
    for (const bool show : {true, false}) {
      for (const std::string& refused : {kCopyTo, kMoveTo}) {
        // Both rows hold a value, neither the class id: either way both must change.
        MemoryRegistryStore fresh;
        fresh.SetValue(kHkcr, kCopyTo, "", RegistryValue::String("other copy"));
        fresh.SetValue(kHkcr, kMoveTo, "", RegistryValue::String("other"));
        if (failRead)
          fresh.FailReads(kHkcr, refused);
        else
          fresh.DenyWriteAccess(kHkcr, refused);
        RecordingShell quiet;
        try {
          WriteContextMenuState(fresh, quiet, show);
          ADD_FAILURE() << "no error for " << refused;
        } catch (const ERegistryException& e) {
          EXPECT_EQ(e.KeyPath(), "HKEY_CLASSES_ROOT\\" + refused);
          EXPECT_EQ(e.Reason(), failRead ? RegistryFailure::Unreadable : RegistryFailure::Refused);
        }
        EXPECT_EQ(fresh.Value(kHkcr, kCopyTo, ""), RegistryValue::String("other copy")) << failRead;
        EXPECT_EQ(fresh.Value(kHkcr, kMoveTo, ""), RegistryValue::String("other")) << failRead;
        EXPECT_EQ(quiet.AssociationNotifications, 0);
        EXPECT_EQ(fresh.OpenKeyCount(), 0);
      }
    }
  }
}

TEST_F(ContextMenuSwitch, WhatIsAlreadyInEffectNeedsNoWriteAccess) {
  // A user who may read the handler keys but neither change nor create them.
  auto limitedUser = [](MemoryRegistryStore& fresh) {
    fresh.DenyWriteAccess(kHkcr, "AllFileSystemObjects");
    fresh.LimitAccess(kHkcr, kMoveTo, RegistryAccess::QueryValue);
  };
  MemoryRegistryStore shown;
  shown.SetValue(kHkcr, kCopyTo, "", RegistryValue::String(kCopyId));
  shown.SetValue(kHkcr, kMoveTo, "", RegistryValue::String(kMoveId));
  limitedUser(shown);
  WriteContextMenuState(shown, shell, true);
  EXPECT_TRUE(ReadContextMenuState(shown));

  MemoryRegistryStore hidden;
  hidden.SetValue(kHkcr, kCopyTo, "Other", RegistryValue::String("keep"));  // no default value
  limitedUser(hidden);
  WriteContextMenuState(hidden, shell, false);
  EXPECT_FALSE(hidden.KeyExists(kHkcr, kMoveTo)) << "not created";
  EXPECT_EQ(shell.AssociationNotifications, 0);
  EXPECT_EQ(shown.OpenKeyCount() + hidden.OpenKeyCount(), 0);

  // A real change is still refused, naming the key that must change, and changes nothing.
  const struct {
    MemoryRegistryStore& store;
    bool show;
    const std::string& refused;
  } changes[] = {{shown, false, kCopyTo}, {hidden, true, kCopyTo}};
  for (const auto& change : changes) {
    const std::vector<std::string> keys = change.store.KeyPaths(kHkcr);
    const bool wasShown = ReadContextMenuState(change.store);
    try {
      WriteContextMenuState(change.store, shell, change.show);
      ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.KeyPath(), "HKEY_CLASSES_ROOT\\" + change.refused);
      EXPECT_EQ(e.Reason(), RegistryFailure::Refused);
    }
    EXPECT_EQ(ReadContextMenuState(change.store), wasShown);
    EXPECT_EQ(change.store.KeyPaths(kHkcr), keys);
  }
  // Only one row differs: that one is named.
  shown.SetValue(kHkcr, kMoveTo, "", RegistryValue::String("other"));
  try {
    WriteContextMenuState(shown, shell, true);
    ADD_FAILURE() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.KeyPath(), "HKEY_CLASSES_ROOT\\" + kMoveTo);
  }
  EXPECT_EQ(shown.Value(kHkcr, kMoveTo, ""), RegistryValue::String("other"));
  EXPECT_EQ(shell.AssociationNotifications, 0);
}

TEST_F(ContextMenuSwitch, RefusedKeyThatIsMissingIsNotCreatedAndTheOtherNotTouched) {
  store.DenyWriteAccess(kHkcr, kMoveTo);
  EXPECT_THROW(WriteContextMenuState(store, shell, true), ERegistryException);
  EXPECT_FALSE(store.KeyExists(kHkcr, kMoveTo));
  EXPECT_FALSE(Default(kCopyTo).has_value());
}

TEST_F(ContextMenuSwitch, ValueRefusedHalfWayIsUndoneOnTheFirstRow) {
  SetDefault(kCopyTo, "was copy");
  store.RefuseValueChanges(kHkcr, kMoveTo);
  EXPECT_THROW(WriteContextMenuState(store, shell, true), ERegistryException);
  EXPECT_EQ(Default(kCopyTo), RegistryValue::String("was copy"));

  MemoryRegistryStore hiding;
  hiding.SetValue(kHkcr, kCopyTo, "", RegistryValue::String(kCopyId));
  hiding.SetValue(kHkcr, kMoveTo, "", RegistryValue::String(kMoveId));
  hiding.RefuseValueChanges(kHkcr, kMoveTo);
  EXPECT_THROW(WriteContextMenuState(hiding, shell, false), ERegistryException);
  EXPECT_TRUE(ReadContextMenuState(hiding)) << "a refused delete must not half-hide";
  EXPECT_EQ(shell.AssociationNotifications, 0);
}

}  // namespace
}  // namespace pelk
