#include "platform/win32/imports/ImportSlot.h"

#include "platform/win32/SystemLibrary.h"

// The system's GetProcAddress under a name of the library's own (an import library made from
// SystemGetProcAddress.def), since the slot named GetProcAddress is the library's.
extern "C" __declspec(dllimport) FARPROC WINAPI
    PelkSystemGetProcAddress(HMODULE module, LPCSTR name);

namespace pelk::imports {

bool RunsOnWindows9x() {
  static const bool windows9x = (GetVersion() & 0x80000000u) != 0;
  return windows9x;
}

FARPROC SystemGetProcAddress(HMODULE module, const char* name) {
  return PelkSystemGetProcAddress(module, name);
}

void* BindSlot(const char* library, const char* name, void* windows9x, void* fallback) {
  if (windows9x != nullptr && RunsOnWindows9x())
    return windows9x;
  // The DLLs of the slots are loaded with the library (it imports A functions from each); a
  // library that is not is taken from the system folder.
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr)
    module = LoadSystemLibrary(library);
  if (module != nullptr) {
    if (FARPROC function = SystemGetProcAddress(module, name))
      return reinterpret_cast<void*>(function);
  }
  return fallback != nullptr ? fallback : windows9x;
}

}  // namespace pelk::imports
