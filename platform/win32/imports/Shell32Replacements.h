#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk::imports {

// ShellExecuteW for Windows 95, 98 and ME, where the shell's is a stub: ShellExecuteA of the same
// shell library, with the file, parameters and folder in their exact ANSI form.
HINSTANCE WINAPI ShellExecuteAnsi(HWND parent, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                  LPCWSTR directory, INT showCommand);

}  // namespace pelk::imports
