#include "platform/win32/Win32RegistryStore.h"

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/WindowsApi.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pelk {

static_assert(static_cast<REGSAM>(RegistryAccess::QueryValue) == KEY_QUERY_VALUE &&
                  static_cast<REGSAM>(RegistryAccess::SetValue) == KEY_SET_VALUE &&
                  static_cast<REGSAM>(RegistryAccess::Read) == KEY_READ &&
                  static_cast<REGSAM>(RegistryAccess::All) == KEY_ALL_ACCESS,
              "RegistryAccess holds the system's rights bit for bit");

namespace {

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A single string ends at its first zero, and is stored with one. A list (REG_MULTI_SZ) keeps
// its zeros as they are both ways, so a list read and written back is the list that was there.
bool EndsAtZero(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// An open HKEY, closed with the object. Names and texts are UTF-8 here and UTF-16 in the system,
// so they are stored as written whatever the ANSI code page.
class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}

  bool ValueExists(const std::string& name) override {
    return RegQueryValueExW(key_.get(), Utf16(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
  }

  RegistryRead ReadValue(const std::string& name) override {
    const WideString wideName = Utf16(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between the calls; try again with the size the system reports.
    std::vector<BYTE> buffer;
    for (int attempt = 0; attempt < 4 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
         ++attempt) {
      buffer.resize(size + sizeof(wchar_t));
      size = static_cast<DWORD>(buffer.size());
      status = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, buffer.data(), &size);
      if (status == ERROR_SUCCESS)
        return RegistryRead::Found(Value(type, buffer.data(), size));
    }
    if (status == ERROR_FILE_NOT_FOUND)
      return RegistryRead::NotFound();
    return RegistryRead::Failed();
  }

  bool WriteValue(const std::string& name, const RegistryValue& value) override {
    const DWORD type = static_cast<DWORD>(value.type);
    WideString text;
    const BYTE* data = reinterpret_cast<const BYTE*>(value.data.data());
    DWORD size = static_cast<DWORD>(value.data.size());
    if (IsText(type)) {
      text = Utf16(value.data);
      data = reinterpret_cast<const BYTE*>(text.c_str());
      size = static_cast<DWORD>((text.size() + (EndsAtZero(type) ? 1 : 0)) * sizeof(wchar_t));
    }
    return RegSetValueExW(key_.get(), Utf16(name).c_str(), 0, type, data, size) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    return RegDeleteValueW(key_.get(), Utf16(name).c_str()) == ERROR_SUCCESS;
  }

 private:
  static RegistryValue Value(DWORD type, const BYTE* data, DWORD size) {
    if (!IsText(type))
      return {static_cast<RegistryType>(type),
              std::string(reinterpret_cast<const char*>(data), size)};
    WideString text(size / sizeof(wchar_t));
    if (!text.empty())
      std::memcpy(text.data(), data, text.size() * sizeof(wchar_t));
    if (EndsAtZero(type))
      text.resize(static_cast<std::size_t>(
          std::find(text.c_str(), text.c_str() + text.size(), L'\0') - text.c_str()));
    return {static_cast<RegistryType>(type), Utf8(text)};
  }

  UniqueKey key_;
};

}  // namespace

namespace {
HKEY RootHandle(RootKey root) {
  return root == RootKey::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}
}  // namespace

std::unique_ptr<RegistryKey> Win32RegistryStore::OpenKey(RootKey root, const std::string& path,
                                                         RegistryAccess access, bool canCreate) {
  const HKEY rootKey = RootHandle(root);
  const WideString widePath = Utf16(path);
  const REGSAM sam = static_cast<REGSAM>(access);
  HKEY key = nullptr;
  LONG status;
  if (canCreate) {
    status = RegCreateKeyExW(rootKey, widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, sam,
                             nullptr, &key, nullptr);
  } else {
    status = RegOpenKeyExW(rootKey, widePath.c_str(), 0, sam, &key);
  }
  if (status != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32Key>(key);
}

bool Win32RegistryStore::KeyExists(RootKey root, const std::string& path) const {
  HKEY key = nullptr;
  const LONG status =
      RegOpenKeyExW(RootHandle(root), Utf16(path).c_str(), 0, KEY_QUERY_VALUE, &key);
  UniqueKey closed(status == ERROR_SUCCESS ? key : nullptr);
  return status != ERROR_FILE_NOT_FOUND && status != ERROR_PATH_NOT_FOUND;
}

}  // namespace pelk
