#pragma once
#include "platform/win32/WindowsApi.h"

#include <optional>
#include <string>
#include <vector>

namespace pelk {

// Direct access to Wine's registry for the checks of a test, bypassing the module's code.
bool KeyExists(HKEY root, const std::string& path);
// The value's data when it exists and is a string (REG_SZ); nothing otherwise.
std::optional<std::string> ReadStringValue(HKEY root, const std::string& path,
                                           const std::string& name);
// The same read as the system holds it, in UTF-16, whatever the ANSI code page.
std::optional<std::wstring> ReadWideStringValue(HKEY root, const std::wstring& path,
                                                const std::wstring& name);
// The value's data when it exists and is a REG_DWORD; nothing otherwise.
std::optional<DWORD> ReadDwordValue(HKEY root, const std::string& path, const std::string& name);
// The value's type, or REG_NONE when it does not exist.
DWORD ValueType(HKEY root, const std::string& path, const std::string& name);
// Create the key when missing and store the value.
bool WriteStringValue(HKEY root, const std::string& path, const std::string& name,
                      const std::string& data);
bool WriteDwordValue(HKEY root, const std::string& path, const std::string& name, DWORD data);
// Removes the value when it exists; true if it is gone afterwards.
bool RemoveValue(HKEY root, const std::string& path, const std::string& name);
// Deletes the key and everything below it.
void DeleteTree(HKEY root, const std::string& path);

// Keeps one value as it was: remembers it (and which keys on its path existed) when made, and
// on destruction puts the value back, or deletes it, and deletes the keys the test left behind
// that did not exist before (when they are empty).
class RegistryValueGuard {
 public:
  RegistryValueGuard(HKEY root, std::string path, std::string name);
  ~RegistryValueGuard();
  RegistryValueGuard(const RegistryValueGuard&) = delete;
  RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

 private:
  HKEY root_;
  std::string path_;
  std::string name_;
  bool existed_ = false;
  DWORD type_ = REG_NONE;
  std::vector<unsigned char> data_;
  std::vector<std::string> missingKeys_;  // deepest last
};

// Gives an existing key the access list `sddl` (SDDL text) and puts back the list it had when
// destroyed. The key's owner may always change the list, so putting it back needs no right the
// list took away.
class KeyAccessGuard {
 public:
  KeyAccessGuard(HKEY root, std::string path, const wchar_t* sddl);
  ~KeyAccessGuard();
  KeyAccessGuard(const KeyAccessGuard&) = delete;
  KeyAccessGuard& operator=(const KeyAccessGuard&) = delete;
  bool Applied() const { return applied_; }

 private:
  HKEY root_;
  std::string path_;
  std::vector<BYTE> before_;
  bool applied_ = false;
};

// Everyone may read the key, as a user without administrator rights meets the classes root...
extern const wchar_t kReadOnly[];
// ... or query and set its values, and nothing more.
extern const wchar_t kQueryAndSetValueOnly[];

// The context-menu handler keys below HKEY_CLASSES_ROOT and the class ids that show them.
extern const char kCopyToKey[];
extern const char kMoveToKey[];
extern const char kCopyToClassId[];
extern const char kMoveToClassId[];

}  // namespace pelk
