#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/RegistryStore.h"
#include "platform/headless/CaseInsensitiveLess.h"

namespace pelk {

// An in-memory registry: a tree of keys under each root with typed values. Key and value names
// compare case-insensitively, as on Windows. Tests can make a subtree refuse write access (as a
// user without administrator rights meets below HKEY_CLASSES_ROOT) or refuse storing values.
class MemoryRegistryStore : public RegistryStore {
 public:
  MemoryRegistryStore();
  ~MemoryRegistryStore() override;

  [[nodiscard]] std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                                     RegistryAccess access,
                                                     bool canCreate) override;

  // Opening the key or any key below it for writing, or creating it, is refused.
  void DenyWriteAccess(RootKey root, const std::string& path);
  // Keys there open for writing, but storing or deleting a value is refused.
  void RefuseValueChanges(RootKey root, const std::string& path);

  // Direct access for tests, bypassing the switches.
  bool KeyExists(RootKey root, const std::string& path) const;
  std::optional<RegistryValue> Value(RootKey root, const std::string& path,
                                     const std::string& name) const;
  void SetValue(RootKey root, const std::string& path, const std::string& name,
                const RegistryValue& value);
  // Every key path below the root, for comparing whole trees.
  std::vector<std::string> KeyPaths(RootKey root) const;
  // Number of keys that are open right now.
  int OpenKeyCount() const { return openKeys_; }

  struct Node {
    std::map<std::string, std::unique_ptr<Node>, CaseInsensitiveLess> keys;
    std::map<std::string, RegistryValue, CaseInsensitiveLess> values;
  };

 private:
  class Key;
  Node* Find(RootKey root, const std::string& path) const;
  Node* Create(RootKey root, const std::string& path);
  static bool Below(const std::vector<std::string>& prefixes, RootKey root,
                    const std::string& path);

  Node classesRoot_;
  Node currentUser_;
  std::vector<std::string> deniedWrite_;
  std::vector<std::string> refusedValues_;
  int openKeys_ = 0;
};

}  // namespace pelk
