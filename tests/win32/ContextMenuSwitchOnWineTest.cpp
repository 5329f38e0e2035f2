// The context-menu switch against Wine's real HKEY_CLASSES_ROOT: what it reads, what it writes
// and what it leaves alone when the system refuses a write.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "platform/Shell.h"
#include "platform/win32/Win32RegistryStore.h"
#include "tests/win32/RegistryFixture.h"
#include "tip/ContextMenuSwitch.h"

namespace pelk {
namespace {

// Refuses opening one key for writing, as Windows does for a user without administrator rights.
class RefusingStore : public RegistryStore {
 public:
  RefusingStore(RegistryStore& inner, std::string refused)
      : inner_(inner), refused_(std::move(refused)) {}
  std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path, RegistryAccess access,
                                       bool canCreate) override {
    if (Grants(access, RegistryAccess::SetValue) &&
        lstrcmpiA(path.c_str(), refused_.c_str()) == 0) {
      return nullptr;
    }
    return inner_.OpenKey(root, path, access, canCreate);
  }
  bool KeyExists(RootKey root, const std::string& path) const override {
    return inner_.KeyExists(root, path);
  }

 private:
  RegistryStore& inner_;
  std::string refused_;
};

// Records what SHChangeNotify would be told, on top of the real registry.
struct CountingShell : Shell {
  void Execute(WindowHandle, const std::string&, const std::string&, const std::string&,
               const std::string&, int) override {}
  void NotifyAssociationsChanged() override { ++notifications; }
  std::string WindowsFolder() override { return std::string(); }
  int notifications = 0;
};

// The switch against Wine's real HKEY_CLASSES_ROOT. Keys this test creates are removed again,
// values that were there before are put back.
class ContextMenuSwitchOnWine : public ::testing::Test {
 protected:
  static constexpr const char* kParent = "AllFileSystemObjects\\shellex\\ContextMenuHandlers";

  void SetUp() override {
    for (const char* path : {"AllFileSystemObjects", "AllFileSystemObjects\\shellex", kParent,
                             kCopyToHandler.keyPath, kMoveToHandler.keyPath}) {
      existed_.push_back(KeyExists(HKEY_CLASSES_ROOT, path));
    }
    copyBefore_ = ReadStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "");
    moveBefore_ = ReadStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "");
    RemoveBoth();
  }

  void TearDown() override {
    RemoveBoth();
    if (copyBefore_) {
      EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "", *copyBefore_));
    }
    if (moveBefore_) {
      EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "", *moveBefore_));
    }
    const char* paths[] = {"AllFileSystemObjects", "AllFileSystemObjects\\shellex", kParent,
                           kCopyToHandler.keyPath, kMoveToHandler.keyPath};
    for (int i = 4; i >= 0; --i) {
      if (!existed_[i])
        DeleteTree(HKEY_CLASSES_ROOT, paths[i]);
    }
  }

  static void RemoveBoth() {
    DeleteTree(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath);
    DeleteTree(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath);
  }
  static std::optional<std::string> CopyTo() {
    return ReadStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "");
  }
  static std::optional<std::string> MoveTo() {
    return ReadStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "");
  }

  Win32RegistryStore store;
  CountingShell shell;

 private:
  std::vector<bool> existed_;
  std::optional<std::string> copyBefore_;
  std::optional<std::string> moveBefore_;
};

TEST_F(ContextMenuSwitchOnWine, ReadSeesOnlyBothExactClassIds) {
  EXPECT_FALSE(ReadContextMenuState(store));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath)) << "read created a key";
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath));

  EXPECT_TRUE(
      WriteStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "", kCopyToHandler.classId));
  EXPECT_FALSE(ReadContextMenuState(store)) << "only Copy To";
  EXPECT_TRUE(
      WriteStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "", kMoveToHandler.classId));
  EXPECT_TRUE(ReadContextMenuState(store));
  DeleteTree(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath);
  EXPECT_FALSE(ReadContextMenuState(store)) << "only Move To";
  EXPECT_TRUE(
      WriteStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "", kCopyToHandler.classId));

  for (const char* bad :
       {"{c2fbb631-2971-11d1-a18c-00c04fd75d13}", "C2FBB631-2971-11D1-A18C-00C04FD75D13",
        "{C2FBB631-2971-11D1-A18C-00C04FD75D13} "}) {
    EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "", bad));
    EXPECT_FALSE(ReadContextMenuState(store)) << bad;
  }
}

TEST_F(ContextMenuSwitchOnWine, HideTwiceThenShowOverADifferentValue) {
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath)) << "nothing to hide there";
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath));
  EXPECT_TRUE(
      WriteStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "", kMoveToHandler.classId));
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(MoveTo());
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath)) << "the key stays";
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(ReadContextMenuState(store));
  EXPECT_EQ(shell.notifications, 1) << "one value was deleted";

  EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "",
                               "{c2fbb630-2971-11d1-a18c-00c04fd75d13}"));
  WriteContextMenuState(store, shell, true);
  EXPECT_EQ(CopyTo(), std::string(kCopyToHandler.classId));
  EXPECT_EQ(MoveTo(), std::string(kMoveToHandler.classId));
  EXPECT_TRUE(ReadContextMenuState(store));

  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(CopyTo());
  EXPECT_FALSE(MoveTo());
  EXPECT_EQ(shell.notifications, 3);
}

TEST_F(ContextMenuSwitchOnWine, HandlerKeysGrantingOnlyQueryAndSetValueAreWritten) {
  EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "", "other"));
  EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "", "other"));
  {
    KeyAccessGuard copyTo(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, kQueryAndSetValueOnly);
    KeyAccessGuard moveTo(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, kQueryAndSetValueOnly);
    ASSERT_TRUE(copyTo.Applied() && moveTo.Applied());
    WriteContextMenuState(store, shell, true);
    EXPECT_TRUE(ReadContextMenuState(store));
    WriteContextMenuState(store, shell, false);
    EXPECT_FALSE(ReadContextMenuState(store));
  }
  EXPECT_FALSE(CopyTo());
  EXPECT_FALSE(MoveTo());
  EXPECT_EQ(shell.notifications, 2);
}

TEST_F(ContextMenuSwitchOnWine, RefusedWriteLeavesBothEntriesAsTheyWere) {
  // Neither row holds its class id nor is empty: showing and hiding both change both.
  const std::string copyTo = "{c2fbb630-2971-11d1-a18c-00c04fd75d13}";
  EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "", copyTo));
  EXPECT_TRUE(WriteStringValue(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "", "something else"));
  for (const char* refused : {kCopyToHandler.keyPath, kMoveToHandler.keyPath}) {
    RefusingStore refusing(store, refused);
    for (const bool show : {false, true}) {
      try {
        WriteContextMenuState(refusing, shell, show);
        ADD_FAILURE() << "no error for " << refused;
      } catch (const ERegistryException& e) {
        EXPECT_EQ(e.KeyPath(), std::string("HKEY_CLASSES_ROOT\\") + refused);
        EXPECT_EQ(e.Reason(), RegistryFailure::Refused);
      }
      EXPECT_EQ(CopyTo(), copyTo);
      EXPECT_EQ(MoveTo(), std::string("something else"));
    }
  }
  EXPECT_EQ(shell.notifications, 0);
}

}  // namespace
}  // namespace pelk
