// The library's GetProcAddress. Functions looked up at run time rather than imported (the shell's,
// which most pages never need) are W functions too: on Windows 95, 98 and ME the lookup of one of
// those hands out its replacement, so the call reaches the system's A function as an imported
// one does. Everywhere else, and for every other name, it is the system's GetProcAddress.
#include <cstring>

#include "platform/win32/imports/ImportSlot.h"
#include "platform/win32/imports/Shell32Replacements.h"

namespace pelk::imports {
namespace {

struct LateReplacement {
  const char* library;
  const char* name;
  FARPROC replacement;
};

const LateReplacement kLateReplacements[] = {
    {"SHELL32.DLL", "ShellExecuteW",
     reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&ShellExecuteAnsi))},
};

FARPROC WINAPI LibraryGetProcAddress(HMODULE module, LPCSTR name) {
  if (module != nullptr && !IS_INTRESOURCE(name) && RunsOnWindows9x()) {
    for (const LateReplacement& late : kLateReplacements) {
      if (std::strcmp(name, late.name) == 0 && GetModuleHandleA(late.library) == module)
        return late.replacement;
    }
  }
  return SystemGetProcAddress(module, name);
}

}  // namespace
}  // namespace pelk::imports

extern "C" decltype(&::GetProcAddress) pelk_slot_GetProcAddress __asm__("__imp__GetProcAddress@8");
decltype(&::GetProcAddress) pelk_slot_GetProcAddress = &pelk::imports::LibraryGetProcAddress;
