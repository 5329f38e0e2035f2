#include "tests/win32/RegistryFixture.h"

#include <sddl.h>

namespace pelk {

const char kCopyToKey[] = "AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Copy To";
const char kMoveToKey[] = "AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Move To";
const char kCopyToClassId[] = "{C2FBB630-2971-11D1-A18C-00C04FD75D13}";
const char kMoveToClassId[] = "{C2FBB631-2971-11D1-A18C-00C04FD75D13}";
const wchar_t kReadOnly[] = L"D:P(A;;KR;;;WD)";
const wchar_t kQueryAndSetValueOnly[] = L"D:P(A;;0x3;;;WD)";

namespace {

class Key {
 public:
  Key(HKEY root, const std::string& path, bool create, REGSAM access) {
    const LONG result =
        create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr)
               : RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
    if (result != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~Key() {
    if (key_)
      RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool KeyExists(HKEY root, const std::string& path) {
  return static_cast<bool>(Key(root, path, false, KEY_READ));
}

std::optional<DWORD> ReadDwordValue(HKEY root, const std::string& path, const std::string& name) {
  Key key(root, path, false, KEY_READ);
  DWORD type = 0;
  DWORD data = 0;
  DWORD size = sizeof data;
  if (!key ||
      RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return data;
}

std::optional<std::string> ReadStringValue(HKEY root, const std::string& path,
                                           const std::string& name) {
  Key key(root, path, false, KEY_READ);
  if (!key)
    return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  std::string data(size, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                       &size) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  while (!data.empty() && data.back() == '\0')
    data.pop_back();
  return data;
}

std::optional<std::wstring> ReadWideStringValue(HKEY root, const std::wstring& path,
                                                const std::wstring& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  std::wstring data;
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    data.resize(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                         &size) != ERROR_SUCCESS)
      type = REG_NONE;
    data.resize(size / sizeof(wchar_t));
  }
  RegCloseKey(key);
  if (type != REG_SZ)
    return std::nullopt;
  while (!data.empty() && data.back() == L'\0')
    data.pop_back();
  return data;
}

DWORD ValueType(HKEY root, const std::string& path, const std::string& name) {
  Key key(root, path, false, KEY_READ);
  DWORD type = REG_NONE;
  if (!key ||
      RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
    return REG_NONE;
  return type;
}

bool WriteStringValue(HKEY root, const std::string& path, const std::string& name,
                      const std::string& data) {
  Key key(root, path, true, KEY_WRITE);
  return key && RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(data.c_str()),
                               static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool WriteDwordValue(HKEY root, const std::string& path, const std::string& name, DWORD data) {
  Key key(root, path, true, KEY_WRITE);
  return key && RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
}

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

bool RemoveValue(HKEY root, const std::string& path, const std::string& name) {
  {
    Key key(root, path, false, KEY_WRITE);
    if (key)
      RegDeleteValueA(key.get(), name.c_str());
  }
  return ValueType(root, path, name) == REG_NONE;
}

RegistryValueGuard::RegistryValueGuard(HKEY root, std::string path, std::string name)
    : root_(root), path_(std::move(path)), name_(std::move(name)) {
  for (std::size_t end = path_.find('\\');; end = path_.find('\\', end + 1)) {
    const std::string prefix = path_.substr(0, end);
    if (!KeyExists(root_, prefix))
      missingKeys_.push_back(prefix);
    if (end == std::string::npos)
      break;
  }
  Key key(root_, path_, false, KEY_READ);
  DWORD size = 0;
  if (key && RegQueryValueExA(key.get(), name_.c_str(), nullptr, &type_, nullptr, &size) ==
                 ERROR_SUCCESS) {
    data_.resize(size);
    existed_ = RegQueryValueExA(key.get(), name_.c_str(), nullptr, &type_,
                                data_.empty() ? nullptr : data_.data(), &size) == ERROR_SUCCESS;
  }
}

RegistryValueGuard::~RegistryValueGuard() {
  if (existed_) {
    Key key(root_, path_, true, KEY_WRITE);
    if (key)
      RegSetValueExA(key.get(), name_.c_str(), 0, type_, data_.empty() ? nullptr : data_.data(),
                     static_cast<DWORD>(data_.size()));
  } else {
    RemoveValue(root_, path_, name_);
  }
  for (auto it = missingKeys_.rbegin(); it != missingKeys_.rend(); ++it)
    RegDeleteKeyA(root_, it->c_str());
}

KeyAccessGuard::KeyAccessGuard(HKEY root, std::string path, const wchar_t* sddl)
    : root_(root), path_(std::move(path)) {
  Key key(root_, path_, false, READ_CONTROL | WRITE_DAC);
  if (!key)
    return;
  DWORD size = 0;
  RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
  before_.resize(size);
  PSECURITY_DESCRIPTOR wanted = nullptr;
  applied_ = size > 0 &&
             RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, before_.data(), &size) ==
                 ERROR_SUCCESS &&
             ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &wanted,
                                                                  nullptr) &&
             RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, wanted) == ERROR_SUCCESS;
  LocalFree(wanted);
}

KeyAccessGuard::~KeyAccessGuard() {
  if (!applied_)
    return;
  Key key(root_, path_, false, WRITE_DAC);
  if (key)
    RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, before_.data());
}

}  // namespace pelk
