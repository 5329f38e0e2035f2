#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>

namespace pelk {

// Top-level windows of other processes, as a test sees them from outside.

// The first visible top-level window whose class is `className` (empty: any) and whose title
// is `title` (empty: any), belonging to process `processId` (0: any process but this one).
HWND FindProcessWindow(DWORD processId, const std::string& className, const std::string& title);

// Waits up to `timeoutMs` for such a window.
HWND WaitForProcessWindow(DWORD processId, const std::string& className, const std::string& title,
                          DWORD timeoutMs);

// The text of a message box (its static text) and its title.
std::string MessageBoxText(HWND dialog);
std::string WindowTitle(HWND window);

// Asks the window to close (WM_CLOSE) and waits up to `timeoutMs` for its process to end;
// true if it did.
bool CloseAndWaitForProcess(HWND window, DWORD timeoutMs);

}  // namespace pelk
