#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace pelk {

enum class RootKey { CurrentUser, ClassesRoot };

// "HKEY_CURRENT_USER" or "HKEY_CLASSES_ROOT".
const char* RootKeyName(RootKey root);

// The rights a key is opened with, bit by bit as the system grants them (the values are the
// system's). Each caller asks for what its work needs and no more: a key that the user may read
// but not change, or whose values he may set but whose permissions he may not, still opens for
// that work.
enum class RegistryAccess : std::uint32_t {
  QueryValue = 0x0001,
  SetValue = 0x0002,
  CreateSubKey = 0x0004,
  EnumerateSubKeys = 0x0008,
  Notify = 0x0010,
  CreateLink = 0x0020,
  Delete = 0x00010000,
  ReadControl = 0x00020000,
  WriteDac = 0x00040000,
  WriteOwner = 0x00080000,

  QueryAndSetValue = QueryValue | SetValue,
  // What the system calls reading a key: its values, its subkeys, change notices, permissions.
  Read = ReadControl | QueryValue | EnumerateSubKeys | Notify,
  All = Delete | ReadControl | WriteDac | WriteOwner | QueryValue | SetValue | CreateSubKey |
        EnumerateSubKeys | Notify | CreateLink,
};

constexpr RegistryAccess operator|(RegistryAccess a, RegistryAccess b) {
  return static_cast<RegistryAccess>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
// True when `granted` holds every right of `wanted`.
constexpr bool Grants(RegistryAccess granted, RegistryAccess wanted) {
  return (static_cast<std::uint32_t>(granted) & static_cast<std::uint32_t>(wanted)) ==
         static_cast<std::uint32_t>(wanted);
}

// Registry value types as the system stores them (REG_SZ = 1 ... REG_DWORD = 4).
enum class RegistryType : std::uint32_t {
  None = 0,
  String = 1,
  ExpandString = 2,
  Binary = 3,
  DWord = 4,
  MultiString = 7,
};

// A value as stored: its type and its bytes. Strings (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are
// UTF-8, without the terminating zero; other types are the raw bytes.
struct RegistryValue {
  RegistryType type = RegistryType::None;
  std::string data;

  static RegistryValue String(const std::string& text) { return {RegistryType::String, text}; }
  static RegistryValue DWord(std::uint32_t number);
  bool operator==(const RegistryValue& other) const {
    return type == other.type && data == other.data;
  }
};

// What reading a value found. "Not found" is an answer; "failed" (access refused, a value that
// keeps changing under the read, ...) says nothing about what is stored.
struct RegistryRead {
  enum class Outcome { Found, NotFound, Failed };
  Outcome outcome = Outcome::NotFound;
  RegistryValue value;  // when Found

  static RegistryRead Found(RegistryValue value) { return {Outcome::Found, std::move(value)}; }
  static RegistryRead NotFound() { return {Outcome::NotFound, {}}; }
  static RegistryRead Failed() { return {Outcome::Failed, {}}; }
};

// An open key; the destructor closes it. The empty value name is the key's default value.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // False when the value does not exist or cannot be queried.
  virtual bool ValueExists(const std::string& name) = 0;
  virtual RegistryRead ReadValue(const std::string& name) = 0;
  // False when the system refuses to store the value.
  [[nodiscard]] virtual bool WriteValue(const std::string& name, const RegistryValue& value) = 0;
  // False when there was nothing to delete or the system refused.
  virtual bool DeleteValue(const std::string& name) = 0;
};

// The registry: opens keys below one of the two roots the module uses.
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Opens `path` (backslash separated, relative to the root) with the rights `access`. With
  // canCreate the key and every missing key above it are created (which the system allows or
  // refuses by the rights on the keys above). Null when the key is missing and not to be
  // created, or the system refuses one of the rights.
  [[nodiscard]] virtual std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                                             RegistryAccess access,
                                                             bool canCreate) = 0;
  // False only when the system says the key is not there: a key the user may not open exists.
  virtual bool KeyExists(RootKey root, const std::string& path) const = 0;
};

}  // namespace pelk
