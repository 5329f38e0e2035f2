#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/Exception.h"
#include "platform/RegistryStore.h"

namespace pelk {

// One registry access: choose the root, open one key, work on its values, close it. Keys are
// always opened relative to the root; opening another key closes the current one first.
class TRegistry {
 public:
  // Every OpenKey asks for `access`. Querying and setting values is all this class does with a
  // key, so that is the most it needs; a caller that only reads, or only writes, asks for less.
  explicit TRegistry(RegistryStore& store, RegistryAccess access = RegistryAccess::QueryAndSetValue)
      : store_(store), access_(access) {}
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;
  ~TRegistry() = default;

  // The root for the next OpenKey; HKEY_CURRENT_USER unless set.
  pelk::RootKey RootKey = pelk::RootKey::CurrentUser;
  void SetRootKey(pelk::RootKey root) {
    CloseKey();
    RootKey = root;
  }

  // Opens the key with the accessor's rights, creating it (and the keys above it) with
  // canCreate. Answers whether it opened.
  bool OpenKey(const std::string& path, bool canCreate);
  // Opens an existing key for reading its values only.
  bool OpenKeyReadOnly(const std::string& path);
  void CloseKey();
  // Whether the key exists below the root, whether or not it may be opened.
  bool KeyExists(const std::string& path) const;
  bool HasCurrentKey() const { return key_ != nullptr; }
  // The open key as "ROOT\path", "" when none is open.
  std::string CurrentPath() const;

  // False when no key is open or the value cannot be queried.
  bool ValueExists(const std::string& name) const;
  // A REG_DWORD value, non-zero = true. Raises when no key is open, the value is missing or of
  // another type, or the read fails.
  bool ReadBool(const std::string& name) const;
  // A REG_SZ or REG_EXPAND_SZ value; "" when no key is open or the value is missing. Raises for
  // a value of another type and when the read fails.
  std::string ReadString(const std::string& name) const;
  // Raises when no key is open or the system refuses.
  void WriteString(const std::string& name, const std::string& value);
  // The value with its type as stored; nothing when missing or no key is open. Raises when the
  // read fails: a value that may exist is never taken for a missing one.
  std::optional<RegistryValue> ReadValue(const std::string& name) const;
  // Raises when no key is open or the system refuses.
  void WriteValue(const std::string& name, const RegistryValue& value);
  // Answers whether a value was deleted; false with no key open.
  bool DeleteValue(const std::string& name);

 private:
  bool Open(const std::string& path, RegistryAccess access, bool canCreate);
  [[noreturn]] void Fail(const std::string& what, const std::string& name,
                         RegistryFailure reason) const;

  RegistryStore& store_;
  RegistryAccess access_;
  std::unique_ptr<RegistryKey> key_;
  std::string path_;
};

}  // namespace pelk
