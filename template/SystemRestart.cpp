#include "template/SystemRestart.h"

#include "module/state/OsTypes.h"
#include "platform/Dialogs.h"
#include "platform/Shutdown.h"

namespace pelk {

bool SetTokenPrivilege(Shutdown& shutdown, const std::string& name, bool enable) {
  const auto token = shutdown.OpenProcessToken(kTokenAdjustPrivileges | kTokenQuery);
  if (!token)
    return false;
  const auto privilege = shutdown.LookupPrivilegeValue(name);
  if (!privilege)
    return false;
  return token->AdjustPrivilege(*privilege, enable ? kSePrivilegeEnabled : 0);
}

bool ExitWindowsPrivileged(Shutdown& shutdown, std::uint32_t flags) {
  if (!SetTokenPrivilege(shutdown, kShutdownPrivilege, true))
    return false;
  const bool accepted = shutdown.ExitWindows(flags, 0);
  SetTokenPrivilege(shutdown, kShutdownPrivilege, false);
  return accepted;
}

bool OfferRestart(Dialogs& dialogs, Shutdown& shutdown, int osType) {
  if (dialogs.MessageDlg(kRestartQuestion, MsgDlgType::Confirmation, mbYes | mbNo, 0) != mrYes) {
    return false;
  }
  const bool needsPrivilege = osType >= kOsTypeWindowsNT && osType <= kOsTypeWindows2000;
  const bool accepted = needsPrivilege ? ExitWindowsPrivileged(shutdown, kEwxReboot)
                                       : shutdown.ExitWindows(kEwxReboot, 0);
  if (!accepted)
    dialogs.ShowMessage(kRestartFailed);
  return accepted;
}

}  // namespace pelk
