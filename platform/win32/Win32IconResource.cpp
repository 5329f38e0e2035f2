#include "platform/win32/Win32IconResource.h"

namespace pelk {

namespace {

// A resource's bytes; resources live as long as their module and need no freeing.
const BYTE* ResourceBytes(HMODULE module, HRSRC info) {
  HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
  return loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

}  // namespace

HICON LoadIconResource(HMODULE module, const char* name, int size) {
  const HRSRC group = FindResourceA(module, name, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  const BYTE* directory = ResourceBytes(module, group);
  if (directory == nullptr)
    return nullptr;
  const int id =
      LookupIconIdFromDirectoryEx(const_cast<PBYTE>(directory), TRUE, size, size, LR_DEFAULTCOLOR);
  if (id == 0)
    return nullptr;
  const HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
  const BYTE* bits = ResourceBytes(module, image);
  if (bits == nullptr)
    return nullptr;
  return CreateIconFromResourceEx(const_cast<PBYTE>(bits), SizeofResource(module, image), TRUE,
                                  0x00030000, size, size, LR_DEFAULTCOLOR);
}

}  // namespace pelk
