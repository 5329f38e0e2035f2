#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/TRegistry.h"
#include "platform/win32/Win32RegistryStore.h"
#include "platform/win32/Win32System.h"
#include "tests/win32/RegistryFixture.h"
#include "tip/ContextMenuSwitch.h"

namespace pelk {
namespace {

const char* const kTestKey = "Software\\PelkTests\\Registry";

// Reads a value straight from the registry; nothing when the key or the value is missing.
std::optional<std::string> RawString(HKEY root, const std::string& path, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  char buffer[512];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  const LONG status =
      RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ)
    return std::nullopt;
  return std::string(buffer, size > 0 && buffer[size - 1] == '\0' ? size - 1 : size);
}

void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
            const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void SetRawString(HKEY root, const std::string& path, const std::string& text) {
  SetRaw(root, path, "", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// Deletes the key and everything below it.
void DeleteTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    DeleteTree(key, name);
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path.c_str());
}

TEST(Win32Registry, TRegistryOnTheRealCurrentUserKey) {
  DeleteTree(HKEY_CURRENT_USER, "Software\\PelkTests");
  Win32RegistryStore store;
  TRegistry reg(store);
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestKey));

  // UTF-8 in the library, UTF-16 in the registry: stored as written on any code page.
  const std::string text = "Standard \xC3\xA4\xC3\xB6\xC3\xBC \xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87";
  reg.WriteString("", text);
  reg.WriteString("Named", "x");
  reg.WriteString("Gr\xC3\xB6\xC3\x9F", "y");
  EXPECT_EQ(ReadWideStringValue(HKEY_CURRENT_USER, L"Software\\PelkTests\\Registry", L""),
            L"Standard \u00E4\u00F6\u00FC \u041A\u043B\u044E\u0447");
  EXPECT_EQ(
      ReadWideStringValue(HKEY_CURRENT_USER, L"Software\\PelkTests\\Registry", L"Gr\u00F6\u00DF"),
      L"y");
  EXPECT_EQ(reg.ReadString(""), text);
  EXPECT_TRUE(reg.ValueExists("named"));
  EXPECT_EQ(reg.ReadString("missing"), "");

  const DWORD one = 1;
  const DWORD zero = 0;
  SetRaw(HKEY_CURRENT_USER, kTestKey, "On", REG_DWORD, &one, 4);
  SetRaw(HKEY_CURRENT_USER, kTestKey, "Off", REG_DWORD, &zero, 4);
  SetRaw(HKEY_CURRENT_USER, kTestKey, "Binary", REG_BINARY, &one, 4);
  EXPECT_TRUE(reg.ReadBool("On"));
  EXPECT_FALSE(reg.ReadBool("Off"));
  EXPECT_THROW(reg.ReadBool("Named"), ERegistryException);
  EXPECT_THROW(reg.ReadBool("Binary"), ERegistryException);
  EXPECT_THROW(reg.ReadString("On"), ERegistryException);

  EXPECT_TRUE(reg.DeleteValue(""));
  EXPECT_FALSE(reg.DeleteValue(""));
  EXPECT_FALSE(reg.ValueExists(""));
  EXPECT_EQ(RawString(HKEY_CURRENT_USER, kTestKey, "Named"), "x");
  reg.CloseKey();
  EXPECT_THROW(reg.WriteString("Named", "y"), ERegistryException);
  EXPECT_TRUE(reg.OpenKeyReadOnly(kTestKey));
  EXPECT_THROW(reg.WriteString("Named", "y"), ERegistryException);
  EXPECT_EQ(RawString(HKEY_CURRENT_USER, kTestKey, "Named"), "x");
  reg.CloseKey();
  DeleteTree(HKEY_CURRENT_USER, "Software\\PelkTests");
}

TEST(Win32Registry, EachAccessorAsksOnlyForTheRightsItsWorkNeeds) {
  DeleteTree(HKEY_CURRENT_USER, "Software\\PelkTests");
  const std::string readable = std::string(kTestKey) + "\\Readable";
  const std::string settable = std::string(kTestKey) + "\\Settable";
  const DWORD zero = 0;
  SetRaw(HKEY_CURRENT_USER, readable, "BSControl", REG_DWORD, &zero, 4);
  SetRawString(HKEY_CURRENT_USER, settable, "old");
  Win32RegistryStore store;
  {
    KeyAccessGuard readOnly(HKEY_CURRENT_USER, readable, kReadOnly);
    KeyAccessGuard querySet(HKEY_CURRENT_USER, settable, kQueryAndSetValueOnly);
    ASSERT_TRUE(readOnly.Applied() && querySet.Applied());
    TRegistry everything(store, RegistryAccess::All);
    ASSERT_FALSE(everything.OpenKey(settable, false)) << "the system grants more than the list";

    TRegistry reader(store, RegistryAccess::QueryValue);
    ASSERT_TRUE(reader.OpenKey(readable, true));
    EXPECT_FALSE(reader.ReadBool("BSControl"));
    TRegistry reg(store);
    EXPECT_FALSE(reg.OpenKey(readable, true));
    ASSERT_TRUE(reg.OpenKey(settable, false));
    EXPECT_EQ(reg.ReadString(""), "old");
    reg.WriteString("", "new");
    EXPECT_EQ(reg.ReadValue("missing"), std::nullopt);

    // A key the user may not open at all still exists.
    KeyAccessGuard closed(HKEY_CURRENT_USER, readable, L"D:P");
    ASSERT_TRUE(closed.Applied());
    EXPECT_FALSE(reg.OpenKeyReadOnly(readable));
    EXPECT_TRUE(reg.KeyExists(readable));
    EXPECT_FALSE(reg.KeyExists(std::string(kTestKey) + "\\Missing"));

    // A read the system refuses is no missing value.
    TRegistry writer(store, RegistryAccess::SetValue);
    ASSERT_TRUE(writer.OpenKey(settable, false));
    EXPECT_THROW(writer.ReadValue(""), ERegistryException);
    EXPECT_THROW(writer.ReadValue("missing"), ERegistryException);
  }
  EXPECT_EQ(RawString(HKEY_CURRENT_USER, settable, ""), "new");
  DeleteTree(HKEY_CURRENT_USER, "Software\\PelkTests");
}

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
    copyBefore_ = RawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "");
    moveBefore_ = RawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "");
    RemoveBoth();
  }

  void TearDown() override {
    RemoveBoth();
    if (copyBefore_)
      SetRawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, *copyBefore_);
    if (moveBefore_)
      SetRawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, *moveBefore_);
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
    return RawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "");
  }
  static std::optional<std::string> MoveTo() {
    return RawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "");
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

  SetRawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, kCopyToHandler.classId);
  EXPECT_FALSE(ReadContextMenuState(store)) << "only Copy To";
  SetRawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, kMoveToHandler.classId);
  EXPECT_TRUE(ReadContextMenuState(store));
  DeleteTree(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath);
  EXPECT_FALSE(ReadContextMenuState(store)) << "only Move To";
  SetRawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, kCopyToHandler.classId);

  for (const char* bad :
       {"{c2fbb631-2971-11d1-a18c-00c04fd75d13}", "C2FBB631-2971-11D1-A18C-00C04FD75D13",
        "{C2FBB631-2971-11D1-A18C-00C04FD75D13} "}) {
    SetRawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, bad);
    EXPECT_FALSE(ReadContextMenuState(store)) << bad;
  }
}

TEST_F(ContextMenuSwitchOnWine, HideTwiceThenShowOverADifferentValue) {
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath)) << "nothing to hide there";
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath));
  SetRawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, kMoveToHandler.classId);
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(MoveTo());
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath)) << "the key stays";
  WriteContextMenuState(store, shell, false);
  EXPECT_FALSE(ReadContextMenuState(store));
  EXPECT_EQ(shell.notifications, 1) << "one value was deleted";

  SetRawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "{c2fbb630-2971-11d1-a18c-00c04fd75d13}");
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
  SetRawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, "other");
  SetRawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "other");
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
  SetRawString(HKEY_CLASSES_ROOT, kCopyToHandler.keyPath, copyTo);
  SetRawString(HKEY_CLASSES_ROOT, kMoveToHandler.keyPath, "something else");
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

TEST(Win32System, HandsOutOneRealServiceOfEachKind) {
  Win32System system;
  SystemServices services = system.Services();
  EXPECT_EQ(&services.registry, &system.Services().registry);
  EXPECT_NE(dynamic_cast<Win32RegistryStore*>(&services.registry), nullptr);
  EXPECT_EQ(services.help.GetHelpText(412, 5),
            "HKEY_CLASSES_ROOT\\AllFileSystemObjects\\shellex\\ContextMenuHandlers");
}

}  // namespace
}  // namespace pelk
