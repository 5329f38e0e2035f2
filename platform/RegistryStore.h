#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pelk {

enum class RootKey { CurrentUser, ClassesRoot };

// "HKEY_CURRENT_USER" or "HKEY_CLASSES_ROOT".
const char* RootKeyName(RootKey root);

enum class RegistryAccess { Read, ReadWrite };

// Registry value types as the system stores them (REG_SZ = 1 ... REG_DWORD = 4).
enum class RegistryType : std::uint32_t {
  None = 0,
  String = 1,
  ExpandString = 2,
  Binary = 3,
  DWord = 4,
  MultiString = 7,
};

// A value as stored: its type and its raw bytes (a string without its terminating zero).
struct RegistryValue {
  RegistryType type = RegistryType::None;
  std::string data;

  static RegistryValue String(const std::string& text) { return {RegistryType::String, text}; }
  static RegistryValue DWord(std::uint32_t number);
  bool operator==(const RegistryValue& other) const {
    return type == other.type && data == other.data;
  }
};

// An open key; the destructor closes it. The empty value name is the key's default value.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  virtual bool ValueExists(const std::string& name) = 0;
  // The value, or nothing when it does not exist or cannot be read.
  virtual std::optional<RegistryValue> ReadValue(const std::string& name) = 0;
  // False when the system refuses to store the value.
  [[nodiscard]] virtual bool WriteValue(const std::string& name, const RegistryValue& value) = 0;
  // False when there was nothing to delete or the system refused.
  virtual bool DeleteValue(const std::string& name) = 0;
};

// The registry: opens keys below one of the two roots the module uses.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Opens `path` (backslash separated, relative to the root). With canCreate the key and every
  // missing key above it are created. Null when the key is missing and not to be created, or the
  // system refuses the access.
  [[nodiscard]] virtual std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                                             RegistryAccess access,
                                                             bool canCreate) = 0;
};

}  // namespace pelk
