#include "platform/win32/Win32Shutdown.h"

#include "platform/win32/Win32Handles.h"

namespace pelk {

namespace {

// The process token; the handle is closed with the object.
class Win32ProcessToken : public ProcessToken {
 public:
  explicit Win32ProcessToken(HANDLE token) : token_(token) {}

  bool AdjustPrivilege(const Luid& privilege, std::uint32_t attributes) override {
    TOKEN_PRIVILEGES request{};
    request.PrivilegeCount = 1;
    request.Privileges[0].Luid.LowPart = privilege.lowPart;
    request.Privileges[0].Luid.HighPart = privilege.highPart;
    request.Privileges[0].Attributes = attributes;
    TOKEN_PRIVILEGES previous{};
    DWORD returned = 0;
    static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "one-entry record");
    return AdjustTokenPrivileges(token_.get(), FALSE, &request, sizeof previous, &previous,
                                 &returned) != 0;
  }

 private:
  UniqueKernelHandle token_;
};

}  // namespace

std::unique_ptr<ProcessToken> Win32Shutdown::OpenProcessToken(std::uint32_t access) {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(GetCurrentProcess(), access, &token))
    return nullptr;
  return std::make_unique<Win32ProcessToken>(token);
}

std::optional<Luid> Win32Shutdown::LookupPrivilegeValue(const std::string& name) {
  LUID luid{};
  if (!LookupPrivilegeValueA(nullptr, name.c_str(), &luid))
    return std::nullopt;
  return Luid{luid.LowPart, luid.HighPart};
}

bool Win32Shutdown::ExitWindows(std::uint32_t flags, std::uint32_t reason) {
  return ExitWindowsEx(flags, reason) != 0;
}

}  // namespace pelk
