#include "tests/win32/ProcessWindows.h"

namespace pelk {

namespace {

struct Search {
  DWORD processId;
  const std::string* className;
  const std::string* title;
  HWND found = nullptr;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  const bool processMatches =
      search->processId ? owner == search->processId : owner != GetCurrentProcessId();
  if (!processMatches || !IsWindowVisible(hwnd))
    return TRUE;
  char className[256] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (!search->className->empty() && *search->className != className)
    return TRUE;
  if (!search->title->empty() && *search->title != WindowTitle(hwnd))
    return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const std::string& className, const std::string& title) {
  Search search{processId, &className, &title};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const std::string& className, const std::string& title,
                          DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND found = FindProcessWindow(processId, className, title))
      return found;
    if (GetTickCount() - start >= timeoutMs)
      return nullptr;
    Sleep(20);
  }
}

std::string MessageBoxText(HWND dialog) {
  char text[2048] = "";
  GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
  return text;
}

std::string WindowTitle(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool CloseAndWaitForProcess(HWND window, DWORD timeoutMs) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (!process)
    return false;
  const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

}  // namespace pelk
