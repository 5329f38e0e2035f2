#pragma once
#include <memory>
#include <string>

#include "platform/RegistryStore.h"

namespace pelk {

// The Windows registry through advapi32.
class Win32RegistryStore : public RegistryStore {
 public:
  [[nodiscard]] std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                                     RegistryAccess access,
                                                     bool canCreate) override;
  bool KeyExists(RootKey root, const std::string& path) const override;
};

}  // namespace pelk
