#include "platform/win32/Win32Module.h"

// The linker places this symbol at the start of the image it builds: the module's own instance
// handle, without asking the system (GetModuleHandleEx needs Windows XP).
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace pelk {

HINSTANCE CodeModule() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

}  // namespace pelk
