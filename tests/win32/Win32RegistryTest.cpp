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

}  // namespace
}  // namespace pelk
