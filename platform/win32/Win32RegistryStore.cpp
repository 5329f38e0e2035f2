#include "platform/win32/Win32RegistryStore.h"

#include "platform/win32/WindowsApi.h"

#include <vector>

namespace pelk {

static_assert(static_cast<REGSAM>(RegistryAccess::QueryValue) == KEY_QUERY_VALUE &&
                  static_cast<REGSAM>(RegistryAccess::SetValue) == KEY_SET_VALUE &&
                  static_cast<REGSAM>(RegistryAccess::Read) == KEY_READ &&
                  static_cast<REGSAM>(RegistryAccess::All) == KEY_ALL_ACCESS,
              "RegistryAccess holds the system's rights bit for bit");

namespace {

// An open HKEY, closed with the object.
class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}
  ~Win32Key() override { RegCloseKey(key_); }

  bool ValueExists(const std::string& name) override {
    return RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
  }

  RegistryRead ReadValue(const std::string& name) override {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between the calls; try again with the size the system reports.
    std::vector<BYTE> buffer;
    for (int attempt = 0; attempt < 4 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
         ++attempt) {
      buffer.resize(size + 1);
      size = static_cast<DWORD>(buffer.size());
      status = RegQueryValueExA(key_, name.c_str(), nullptr, &type, buffer.data(), &size);
      if (status == ERROR_SUCCESS)
        return RegistryRead::Found(Value(type, buffer.data(), size));
    }
    if (status == ERROR_FILE_NOT_FOUND)
      return RegistryRead::NotFound();
    return RegistryRead::Failed();
  }

  bool WriteValue(const std::string& name, const RegistryValue& value) override {
    std::string bytes = value.data;
    if (value.type == RegistryType::String || value.type == RegistryType::ExpandString) {
      bytes.push_back('\0');
    }
    return RegSetValueExA(key_, name.c_str(), 0, static_cast<DWORD>(value.type),
                          reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
  }

 private:
  static RegistryValue Value(DWORD type, const BYTE* data, DWORD size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      const std::string::size_type end = bytes.find('\0');
      if (end != std::string::npos)
        bytes.resize(end);
    }
    return {static_cast<RegistryType>(type), bytes};
  }

  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32RegistryStore::OpenKey(RootKey root, const std::string& path,
                                                         RegistryAccess access, bool canCreate) {
  const HKEY rootKey = root == RootKey::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
  const REGSAM sam = static_cast<REGSAM>(access);
  HKEY key = nullptr;
  LONG status;
  if (canCreate) {
    status = RegCreateKeyExA(rootKey, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, sam,
                             nullptr, &key, nullptr);
  } else {
    status = RegOpenKeyExA(rootKey, path.c_str(), 0, sam, &key);
  }
  if (status != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32Key>(key);
}

}  // namespace pelk
