#include <string>

#include "platform/Resources.h"
#include "platform/win32/Win32Module.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

std::optional<std::string_view> FindResourceData(std::string_view name) {
  const std::string key(name);
  HMODULE module = CodeModule();
  HRSRC info = FindResourceA(module, key.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (info == nullptr)
    return std::nullopt;
  HGLOBAL loaded = LoadResource(module, info);
  const DWORD size = SizeofResource(module, info);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr)
    return std::nullopt;
  return std::string_view(static_cast<const char*>(data), size);
}

}  // namespace pelk
