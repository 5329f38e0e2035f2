#include "platform/win32/Win32Shell.h"

#include "platform/win32/SystemLibrary.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pelk {

namespace {
// Null for an empty text, which the shell reads as "none".
const wchar_t* OrNull(const WideString& text) {
  return text.empty() ? nullptr : text.c_str();
}

// The shell library is large and most pages never call it, so it is loaded on the first call
// instead of with the library. Once loaded it stays: the shell may still be working for us on
// its own threads after a call returns, and a library must not free others while it unloads.
template <class Function>
Function ShellFunction(const char* name) {
  HMODULE shell = LoadSystemLibrary("shell32.dll");
  if (shell == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(shell, name)));
}
}  // namespace

void Win32Shell::Execute(WindowHandle parent, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
  using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  if (const auto execute = ShellFunction<ExecuteFunction>("ShellExecuteW")) {
    execute(reinterpret_cast<HWND>(parent), OrNull(Utf16(verb)), Utf16(file).c_str(),
            OrNull(Utf16(parameters)), OrNull(Utf16(directory)), showCommand);
  }
}

void Win32Shell::NotifyAssociationsChanged() {
  using NotifyFunction = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);
  if (const auto notify = ShellFunction<NotifyFunction>("SHChangeNotify"))
    notify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

std::string Win32Shell::WindowsFolder() {
  // The shared folder, not GetWindowsDirectory's: under Terminal Services that one may be a
  // private folder of the user's, where the system's programs do not live. Systems before
  // Windows 2000 have no such distinction, and their Windows folder stands in for it.
  WideString folder(MAX_PATH);
  UINT length = GetSystemWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {
    folder.resize(length);
    length = GetSystemWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  }
  if (length == 0 || length >= folder.size())
    return std::string();
  folder.resize(length);
  return Utf8(folder);
}

}  // namespace pelk
