#include "platform/win32/imports/Shell32Replacements.h"

#include <shellapi.h>

#include "platform/win32/imports/AnsiArgument.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {

HINSTANCE WINAPI ShellExecuteAnsi(HWND parent, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                  LPCWSTR directory, INT showCommand) {
  using Execute = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  const auto execute = reinterpret_cast<Execute>(reinterpret_cast<void*>(
      SystemGetProcAddress(GetModuleHandleA("SHELL32.DLL"), "ShellExecuteA")));
  const AnsiArgument ansiVerb(verb, Fidelity::Exact);
  const AnsiArgument ansiFile(file, Fidelity::Exact);
  const AnsiArgument ansiParameters(parameters, Fidelity::Exact);
  const AnsiArgument ansiDirectory(directory, Fidelity::Exact);
  // Results up to 32 are the shell's errors.
  if (execute == nullptr)
    return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
  if (ansiVerb.Failed() || ansiFile.Failed() || ansiParameters.Failed() || ansiDirectory.Failed())
    return reinterpret_cast<HINSTANCE>(SE_ERR_FNF);
  return execute(parent, ansiVerb.get(), ansiFile.get(), ansiParameters.get(), ansiDirectory.get(),
                 showCommand);
}

}  // namespace pelk::imports
