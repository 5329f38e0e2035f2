// KERNEL32's W functions that Windows 95, 98 and ME only stub, and GetSystemWindowsDirectoryW,
// which came with Windows 2000 (see ImportSlot.h). CreateSemaphoreW is the C++ runtime's.
#include "platform/win32/imports/AnsiArgument.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {
namespace {

HANDLE WINAPI CreateSemaphoreAnsi(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                                  LPCWSTR name) {
  const AnsiArgument ansiName(name, Fidelity::Exact);
  if (ansiName.Failed()) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  return CreateSemaphoreA(security, initial, maximum, ansiName.get());
}

HMODULE WINAPI GetModuleHandleAnsi(LPCWSTR name) {
  const AnsiArgument ansiName(name, Fidelity::Exact);
  if (ansiName.Failed()) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  return GetModuleHandleA(ansiName.get());
}

HMODULE WINAPI LoadLibraryAnsi(LPCWSTR path) {
  const AnsiArgument ansiPath(path, Fidelity::Exact);
  if (ansiPath.Failed()) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  return LoadLibraryA(ansiPath.get());
}

DWORD WINAPI GetModuleFileNameAnsi(HMODULE module, LPWSTR buffer, DWORD capacity) {
  char ansi[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameA(module, ansi, sizeof ansi);
  if (length == 0 || length >= sizeof ansi || buffer == nullptr || capacity == 0)
    return 0;
  TextBuffer<wchar_t> path = WideFromAnsi(ansi, static_cast<int>(length));
  if (path.size() == 0)
    return 0;
  // A path that does not fit is cut, as the system cuts it.
  const bool fits = path.size() < capacity;
  path.Shorten(capacity - 1);
  CopyToCallersBuffer(path, buffer, capacity);
  if (!fits) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return capacity;
  }
  return static_cast<DWORD>(path.size());
}

UINT FolderInto(UINT(WINAPI* ansiFolder)(LPSTR, UINT), LPWSTR buffer, UINT capacity) {
  char ansi[MAX_PATH + 1];
  const UINT length = ansiFolder(ansi, sizeof ansi);
  if (length == 0 || length >= sizeof ansi)
    return 0;
  const TextBuffer<wchar_t> folder = WideFromAnsi(ansi, static_cast<int>(length));
  return folder.size() == 0 ? 0 : CopyToCallersBuffer(folder, buffer, capacity);
}

UINT WINAPI GetSystemDirectoryAnsi(LPWSTR buffer, UINT capacity) {
  return FolderInto(&GetSystemDirectoryA, buffer, capacity);
}

UINT WINAPI GetWindowsDirectoryAnsi(LPWSTR buffer, UINT capacity) {
  return FolderInto(&GetWindowsDirectoryA, buffer, capacity);
}

// Before Windows 2000 the Windows folder is the shared one.
UINT WINAPI SharedWindowsFolder(LPWSTR buffer, UINT capacity) {
  return GetWindowsDirectoryW(buffer, capacity);
}

LPWSTR WINAPI CopyWideText(LPWSTR to, LPCWSTR from, int capacity) {
  if (to == nullptr || from == nullptr || capacity <= 0)
    return nullptr;
  int i = 0;
  for (; i + 1 < capacity && from[i] != L'\0'; ++i)
    to[i] = from[i];
  to[i] = L'\0';
  return to;
}

}  // namespace
}  // namespace pelk::imports

using namespace pelk::imports;

PELK_IMPORT_SLOT("KERNEL32.DLL", CreateSemaphoreW, 16, &CreateSemaphoreAnsi, nullptr)
PELK_IMPORT_SLOT("KERNEL32.DLL", GetModuleHandleW, 4, &GetModuleHandleAnsi, nullptr)
PELK_IMPORT_SLOT("KERNEL32.DLL", LoadLibraryW, 4, &LoadLibraryAnsi, nullptr)
PELK_IMPORT_SLOT("KERNEL32.DLL", GetModuleFileNameW, 12, &GetModuleFileNameAnsi, nullptr)
PELK_IMPORT_SLOT("KERNEL32.DLL", GetSystemDirectoryW, 8, &GetSystemDirectoryAnsi, nullptr)
PELK_IMPORT_SLOT("KERNEL32.DLL", GetWindowsDirectoryW, 8, &GetWindowsDirectoryAnsi, nullptr)
PELK_IMPORT_SLOT("KERNEL32.DLL", GetSystemWindowsDirectoryW, 8, nullptr, &SharedWindowsFolder)
PELK_IMPORT_SLOT("KERNEL32.DLL", lstrcpynW, 12, &CopyWideText, nullptr)
