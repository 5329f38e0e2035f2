#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shutdown.h"

namespace pelk {

// Token privileges and session end as a log of calls, e.g. "OpenProcessToken 0x28",
// "LookupPrivilegeValue SeShutdownPrivilege", "AdjustTokenPrivileges 2", "CloseToken",
// "ExitWindows 2 0". Each step can be made to fail.
class FakeShutdown : public Shutdown {
 public:
  std::unique_ptr<ProcessToken> OpenProcessToken(std::uint32_t access) override;
  std::optional<Luid> LookupPrivilegeValue(const std::string& name) override;
  bool ExitWindows(std::uint32_t flags, std::uint32_t reason) override;

  bool RefuseToken = false;
  bool FailLookup = false;
  bool RefuseAdjust = false;
  bool RefuseExit = false;
  // The id handed out for every looked-up name.
  Luid PrivilegeId{19, 0};

  std::vector<std::string> Calls;
  // Privileges the last adjustments enabled (true) or disabled (false), in order.
  std::vector<std::pair<Luid, std::uint32_t>> Adjustments;
  int OpenTokens = 0;
};

}  // namespace pelk
