#pragma once
#include <cstdint>
#include <string>

namespace pelk {

class Dialogs;
class Shutdown;

constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";
constexpr const char* kRestartQuestion =
    "Um diese Änderung zu aktivieren, ist ein Neustart des Systems erforderlich. Soll der "
    "Neustart jetzt durchgeführt werden ?";
constexpr const char* kRestartFailed =
    "Das System läßt sich zur Zeit nicht neu starten. Bitte führen Sie später manuell "
    "einen Neustart durch";

// Enables or disables one privilege in the current process's token. True when the system
// accepted the adjustment (even if it did not assign the privilege).
bool SetTokenPrivilege(Shutdown& shutdown, const std::string& name, bool enable);

// Ends the session with the shutdown privilege held for just the request: true when the
// privilege could be enabled and Windows accepted the exit. The privilege is disabled again
// whatever the exit gave.
bool ExitWindowsPrivileged(Shutdown& shutdown, std::uint32_t flags);

// Asks the user whether to restart now and, on Yes, asks Windows to reboot; NT and 2000 (osType
// 10 and 11) need the shutdown privilege for that. A refused restart is reported to the user.
// Answers whether the page must close because the restart is under way.
bool OfferRestart(Dialogs& dialogs, Shutdown& shutdown, int osType);

}  // namespace pelk
