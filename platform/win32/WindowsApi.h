#pragma once
// <windows.h> without the macros that would rename members of the platform interfaces
// (Shutdown::ExitWindows, Shutdown::LookupPrivilegeValue). Include this instead of <windows.h>.
#include <windows.h>

#undef ExitWindows
#undef LookupPrivilegeValue
