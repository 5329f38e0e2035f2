#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pelk {

// A locally unique id as the security system hands it out for a privilege name.
struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
  bool operator==(const Luid& other) const {
    return lowPart == other.lowPart && highPart == other.highPart;
  }
};

constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
constexpr std::uint32_t kTokenQuery = 0x8;
constexpr std::uint32_t kSePrivilegeEnabled = 2;
constexpr std::uint32_t kEwxReboot = 2;

// An open process token; closing the handle is the destructor's job.
class ProcessToken {
 public:
  virtual ~ProcessToken() = default;
  // AdjustTokenPrivileges with one entry (DisableAllPrivileges false); true when the system
  // accepted the request, whether or not it assigned the privilege.
  virtual bool AdjustPrivilege(const Luid& privilege, std::uint32_t attributes) = 0;
};

// Token privileges and ending the Windows session.
class Shutdown {
 public:
  virtual ~Shutdown() = default;
  // The current process's token with the given access, or null when it cannot be opened.
  virtual std::unique_ptr<ProcessToken> OpenProcessToken(std::uint32_t access) = 0;
  // LookupPrivilegeValue on the local system.
  virtual std::optional<Luid> LookupPrivilegeValue(const std::string& name) = 0;
  // ExitWindowsEx; true when Windows accepted the request (the call returns at once).
  virtual bool ExitWindows(std::uint32_t flags, std::uint32_t reason) = 0;
};

}  // namespace pelk
