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
// compare case-insensitively, as on Windows. A key grants the rights it was opened with, and
// reading a value needs the query right, changing one the set right. Tests can limit the rights
// a subtree grants (as a user without administrator rights meets below HKEY_CLASSES_ROOT, or
// meets at a setting an administrator fixed), refuse storing values, or make reads fail.
class MemoryRegistryStore : public RegistryStore {
 public:
  MemoryRegistryStore();
  ~MemoryRegistryStore() override;

  [[nodiscard]] std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                                     RegistryAccess access,
                                                     bool canCreate) override;
  bool KeyExists(RootKey root, const std::string& path) const override;

  // The key and every key below it grant only `granted`: opening one with any other right is
  // refused, and so is creating one unless `granted` holds CreateSubKey. Limits add up.
  void LimitAccess(RootKey root, const std::string& path, RegistryAccess granted);
  // The keys there open for reading only; creating them is refused.
  void DenyWriteAccess(RootKey root, const std::string& path) {
    LimitAccess(root, path, RegistryAccess::Read);
  }
  // Keys there open for writing, but storing or deleting a value is refused.
  void RefuseValueChanges(RootKey root, const std::string& path);
  // Keys there open, but reading a value fails: it is neither found nor missing.
  void FailReads(RootKey root, const std::string& path);

  // Direct access for tests, bypassing the switches.
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
  static bool Below(const std::string& prefix, const std::string& canonicalKey);
  static bool Below(const std::vector<std::string>& prefixes, RootKey root,
                    const std::string& path);
  // The rights the limits leave at the key.
  RegistryAccess Granted(RootKey root, const std::string& path) const;

  struct Limit {
    std::string prefix;
    RegistryAccess granted;
  };

  Node classesRoot_;
  Node currentUser_;
  std::vector<Limit> limits_;
  std::vector<std::string> refusedValues_;
  std::vector<std::string> failedReads_;
  int openKeys_ = 0;
};

}  // namespace pelk
