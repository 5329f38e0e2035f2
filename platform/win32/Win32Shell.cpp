#include "platform/win32/Win32Shell.h"

#include "platform/win32/WindowsApi.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pelk {

namespace {
const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

// The shell library is large and most pages never call it, so it is loaded on the first call
// instead of with the library. Once loaded it stays: the shell may still be working for us on
// its own threads after a call returns, and a library must not free others while it unloads.
template <class Function>
Function ShellFunction(const char* name) {
  HMODULE shell = GetModuleHandleA("shell32.dll");
  if (shell == nullptr)
    shell = LoadLibraryA("shell32.dll");
  if (shell == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(shell, name)));
}
}  // namespace

void Win32Shell::Execute(WindowHandle parent, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
  using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  if (const auto execute = ShellFunction<ExecuteFunction>("ShellExecuteA")) {
    execute(reinterpret_cast<HWND>(parent), OrNull(verb), file.c_str(), OrNull(parameters),
            OrNull(directory), showCommand);
  }
}

void Win32Shell::NotifyAssociationsChanged() {
  using NotifyFunction = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);
  if (const auto notify = ShellFunction<NotifyFunction>("SHChangeNotify"))
    notify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace pelk
