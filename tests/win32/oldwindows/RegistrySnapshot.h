#pragma once
#include "platform/win32/WindowsApi.h"

#include <map>
#include <string>
#include <vector>

namespace pelk {

// Every key and value below a root of Wine's registry, as they are at the moment it is taken,
// so that a test can say what changed in between: nothing but what it expects.
class RegistrySnapshot {
 public:
  RegistrySnapshot(HKEY root, const std::string& rootName);

  // What differs from `earlier`, a line each: "+ key", "- key", "+ key [value]", "- key [value]",
  // "~ key [value]", sorted.
  std::vector<std::string> ChangesSince(const RegistrySnapshot& earlier) const;

 private:
  struct Value {
    DWORD type;
    std::vector<BYTE> data;
    bool operator==(const Value& other) const { return type == other.type && data == other.data; }
  };
  void Read(HKEY key, const std::string& path, int depth);

  std::map<std::string, std::map<std::string, Value>> keys_;  // path -> value name -> value
};

}  // namespace pelk
