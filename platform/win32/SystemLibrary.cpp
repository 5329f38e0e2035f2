#include "platform/win32/SystemLibrary.h"

#include "platform/win32/WideText.h"

namespace pelk {

HMODULE LoadSystemLibrary(const char* name) {
  if (HMODULE loaded = GetModuleHandleA(name))
    return loaded;
  WideString folder(MAX_PATH);
  const UINT length = GetSystemDirectoryW(folder.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return nullptr;
  folder.resize(length);
  const WideString path = Utf16(Utf8(folder) + "\\" + name);
  return LoadLibraryW(path.c_str());
}

}  // namespace pelk
