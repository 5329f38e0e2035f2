#include "platform/headless/MemoryRegistryStore.h"

#include <cctype>

namespace pelk {

namespace {

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty())
        parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty())
    parts.push_back(part);
  return parts;
}

// "ROOT\a\b" in lower case, the form the switches compare.
std::string Canonical(RootKey root, const std::string& path) {
  std::string text = RootKeyName(root);
  for (const std::string& part : Split(path)) {
    text += '\\';
    text += part;
  }
  for (char& c : text)
    c = Lower(c);
  return text;
}

}  // namespace

// An open key; it refers to a node of the tree, which lives as long as the store (keys are never
// deleted).
class MemoryRegistryStore::Key : public RegistryKey {
 public:
  Key(MemoryRegistryStore& store, Node& node, RegistryAccess access, bool refuseValues,
      bool failReads)
      : store_(store),
        node_(node),
        access_(access),
        refuseValues_(refuseValues),
        failReads_(failReads) {
    ++store_.openKeys_;
  }
  ~Key() override { --store_.openKeys_; }

  bool ValueExists(const std::string& name) override {
    return CanRead() && node_.values.count(name) != 0;
  }

  RegistryRead ReadValue(const std::string& name) override {
    if (!CanRead())
      return RegistryRead::Failed();
    const auto found = node_.values.find(name);
    if (found == node_.values.end())
      return RegistryRead::NotFound();
    return RegistryRead::Found(found->second);
  }

  bool WriteValue(const std::string& name, const RegistryValue& value) override {
    if (!CanChange())
      return false;
    node_.values[name] = value;
    return true;
  }

  bool DeleteValue(const std::string& name) override {
    if (!CanChange())
      return false;
    return node_.values.erase(name) != 0;
  }

 private:
  bool CanRead() const { return Grants(access_, RegistryAccess::QueryValue) && !failReads_; }
  bool CanChange() const { return Grants(access_, RegistryAccess::SetValue) && !refuseValues_; }

  MemoryRegistryStore& store_;
  Node& node_;
  RegistryAccess access_;
  bool refuseValues_;
  bool failReads_;
};

MemoryRegistryStore::MemoryRegistryStore() = default;
MemoryRegistryStore::~MemoryRegistryStore() = default;

bool MemoryRegistryStore::Below(const std::string& prefix, const std::string& canonicalKey) {
  return canonicalKey == prefix || (canonicalKey.size() > prefix.size() &&
                                    canonicalKey.compare(0, prefix.size(), prefix) == 0 &&
                                    canonicalKey[prefix.size()] == '\\');
}

bool MemoryRegistryStore::Below(const std::vector<std::string>& prefixes, RootKey root,
                                const std::string& path) {
  const std::string key = Canonical(root, path);
  for (const std::string& prefix : prefixes) {
    if (Below(prefix, key))
      return true;
  }
  return false;
}

RegistryAccess MemoryRegistryStore::Granted(RootKey root, const std::string& path) const {
  const std::string key = Canonical(root, path);
  auto granted = static_cast<std::uint32_t>(RegistryAccess::All);
  for (const Limit& limit : limits_) {
    if (Below(limit.prefix, key))
      granted &= static_cast<std::uint32_t>(limit.granted);
  }
  return static_cast<RegistryAccess>(granted);
}

MemoryRegistryStore::Node* MemoryRegistryStore::Find(RootKey root, const std::string& path) const {
  const Node* node = root == RootKey::ClassesRoot ? &classesRoot_ : &currentUser_;
  for (const std::string& part : Split(path)) {
    const auto found = node->keys.find(part);
    if (found == node->keys.end())
      return nullptr;
    node = found->second.get();
  }
  return const_cast<Node*>(node);
}

MemoryRegistryStore::Node* MemoryRegistryStore::Create(RootKey root, const std::string& path) {
  Node* node = root == RootKey::ClassesRoot ? &classesRoot_ : &currentUser_;
  for (const std::string& part : Split(path)) {
    std::unique_ptr<Node>& child = node->keys[part];
    if (!child)
      child = std::make_unique<Node>();
    node = child.get();
  }
  return node;
}

std::unique_ptr<RegistryKey> MemoryRegistryStore::OpenKey(RootKey root, const std::string& path,
                                                          RegistryAccess access, bool canCreate) {
  const RegistryAccess granted = Granted(root, path);
  if (!Grants(granted, access))
    return nullptr;
  Node* node = Find(root, path);
  if (!node && canCreate) {
    if (!Grants(granted, RegistryAccess::CreateSubKey))
      return nullptr;
    node = Create(root, path);
  }
  if (!node)
    return nullptr;
  return std::make_unique<Key>(*this, *node, access, Below(refusedValues_, root, path),
                               Below(failedReads_, root, path));
}

void MemoryRegistryStore::LimitAccess(RootKey root, const std::string& path,
                                      RegistryAccess granted) {
  limits_.push_back({Canonical(root, path), granted});
}

void MemoryRegistryStore::RefuseValueChanges(RootKey root, const std::string& path) {
  refusedValues_.push_back(Canonical(root, path));
}

void MemoryRegistryStore::FailReads(RootKey root, const std::string& path) {
  failedReads_.push_back(Canonical(root, path));
}

bool MemoryRegistryStore::KeyExists(RootKey root, const std::string& path) const {
  return Find(root, path) != nullptr;
}

std::optional<RegistryValue> MemoryRegistryStore::Value(RootKey root, const std::string& path,
                                                        const std::string& name) const {
  const Node* node = Find(root, path);
  if (!node)
    return std::nullopt;
  const auto found = node->values.find(name);
  if (found == node->values.end())
    return std::nullopt;
  return found->second;
}

void MemoryRegistryStore::SetValue(RootKey root, const std::string& path, const std::string& name,
                                   const RegistryValue& value) {
  Create(root, path)->values[name] = value;
}

std::vector<std::string> MemoryRegistryStore::KeyPaths(RootKey root) const {
  std::vector<std::string> paths;
  std::vector<std::pair<std::string, const Node*>> pending{
      {"", root == RootKey::ClassesRoot ? &classesRoot_ : &currentUser_}};
  while (!pending.empty()) {
    const auto [prefix, node] = pending.back();
    pending.pop_back();
    for (const auto& [name, child] : node->keys) {
      const std::string path = prefix.empty() ? name : prefix + "\\" + name;
      paths.push_back(path);
      pending.emplace_back(path, child.get());
    }
  }
  return paths;
}

}  // namespace pelk
