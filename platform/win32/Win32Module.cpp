#include "platform/win32/Win32Module.h"

namespace pelk {

HINSTANCE CodeModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&CodeModule), &module);
  return module;
}

}  // namespace pelk
