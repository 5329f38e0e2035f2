#include "tests/win32/oldwindows/RegistrySnapshot.h"

namespace pelk {

RegistrySnapshot::RegistrySnapshot(HKEY root, const std::string& rootName) {
  Read(root, rootName, 0);
}

void RegistrySnapshot::Read(HKEY key, const std::string& path, int depth) {
  auto& values = keys_[path];
  char name[16384];
  std::vector<BYTE> data(4096);
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = sizeof name;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    LONG status = RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size);
    if (status == ERROR_MORE_DATA) {
      data.resize(size);
      nameLength = sizeof name;
      status = RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size);
    }
    if (status != ERROR_SUCCESS)
      break;
    values[std::string(name, nameLength)] = Value{type, {data.begin(), data.begin() + size}};
  }
  if (depth > 32)
    return;
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = sizeof name;
    if (RegEnumKeyExA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    HKEY child = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
      Read(child, path + "\\" + std::string(name, nameLength), depth + 1);
      RegCloseKey(child);
    }
  }
}

std::vector<std::string> RegistrySnapshot::ChangesSince(const RegistrySnapshot& earlier) const {
  std::vector<std::string> changes;
  const auto value = [](const std::string& key, const std::string& name) {
    return key + " [" + (name.empty() ? "(default)" : name) + "]";
  };
  for (const auto& [key, values] : keys_) {
    const auto before = earlier.keys_.find(key);
    if (before == earlier.keys_.end()) {
      changes.push_back("+ " + key);
      for (const auto& entry : values)
        changes.push_back("+ " + value(key, entry.first));
      continue;
    }
    for (const auto& [name, data] : values) {
      const auto old = before->second.find(name);
      if (old == before->second.end())
        changes.push_back("+ " + value(key, name));
      else if (!(old->second == data))
        changes.push_back("~ " + value(key, name));
    }
    for (const auto& entry : before->second) {
      if (values.count(entry.first) == 0)
        changes.push_back("- " + value(key, entry.first));
    }
  }
  for (const auto& entry : earlier.keys_) {
    if (keys_.count(entry.first) == 0)
      changes.push_back("- " + entry.first);
  }
  return changes;
}

}  // namespace pelk
