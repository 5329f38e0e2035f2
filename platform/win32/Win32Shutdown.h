#pragma once
#include "platform/Shutdown.h"

namespace pelk {

class Win32Shutdown : public Shutdown {
 public:
  std::unique_ptr<ProcessToken> OpenProcessToken(std::uint32_t access) override;
  std::optional<Luid> LookupPrivilegeValue(const std::string& name) override;
  bool ExitWindows(std::uint32_t flags, std::uint32_t reason) override;
};

}  // namespace pelk
