#include "platform/win32/Win32Module.h"

// The linker places this symbol at the start of the image it builds: the module's own instance
// handle, without asking the system (GetModuleHandleEx needs Windows XP).
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace pelk {

HINSTANCE CodeModule() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

bool HoldCodeModule() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(CodeModule(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return false;
  HMODULE loaded = LoadLibraryW(path);
  if (loaded == CodeModule())
    return true;
  if (loaded != nullptr)
    FreeLibrary(loaded);  // another file of the same name: no hold on this code
  return false;
}

}  // namespace pelk
