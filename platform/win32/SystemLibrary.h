#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// A DLL of the system (such as "shell32.dll"), the one already loaded or else loaded by its full
// path from the system folder, never found through the search path, where the host's folder or
// the current one could offer a DLL of the same name. Null when it cannot be loaded. It stays
// loaded: the system may still run its code for us after a call has returned.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace pelk
