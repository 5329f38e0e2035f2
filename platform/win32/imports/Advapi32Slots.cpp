// ADVAPI32's registry W functions, which Windows 95, 98 and ME only stub (see ImportSlot.h).
// Key and value names must have an exact ANSI form, and so must the texts stored: a name the
// code page cannot hold would address another key, so the call fails instead.
#include <cstring>

#include "platform/win32/imports/AnsiArgument.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {
namespace {

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

LONG WINAPI RegOpenKeyExAnsi(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  const AnsiArgument name(subKey, Fidelity::Exact);
  if (name.Failed())
    return ERROR_NO_UNICODE_TRANSLATION;
  return RegOpenKeyExA(key, name.get(), options, access, result);
}

LONG WINAPI RegCreateKeyExAnsi(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass,
                               DWORD options, REGSAM access, LPSECURITY_ATTRIBUTES security,
                               PHKEY result, LPDWORD disposition) {
  const AnsiArgument name(subKey, Fidelity::Exact);
  const AnsiArgument ansiClass(keyClass, Fidelity::Exact);
  if (name.Failed() || ansiClass.Failed())
    return ERROR_NO_UNICODE_TRANSLATION;
  return RegCreateKeyExA(key, name.get(), reserved, const_cast<LPSTR>(ansiClass.get()), options,
                         access, security, result, disposition);
}

LONG WINAPI RegDeleteValueAnsi(HKEY key, LPCWSTR valueName) {
  const AnsiArgument name(valueName, Fidelity::Exact);
  if (name.Failed())
    return ERROR_NO_UNICODE_TRANSLATION;
  return RegDeleteValueA(key, name.get());
}

// Texts are read in full and handed out in UTF-16, with the byte counts of that form; other
// data passes as it is.
LONG WINAPI RegQueryValueExAnsi(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type,
                                LPBYTE data, LPDWORD size) {
  const AnsiArgument name(valueName, Fidelity::Exact);
  if (name.Failed())
    return ERROR_NO_UNICODE_TRANSLATION;
  DWORD valueType = REG_NONE;
  DWORD ansiSize = 0;
  LONG status = RegQueryValueExA(key, name.get(), reserved, &valueType, nullptr, &ansiSize);
  if (status != ERROR_SUCCESS)
    return status;
  if (type != nullptr)
    *type = valueType;
  if (!IsText(valueType))
    return RegQueryValueExA(key, name.get(), reserved, type, data, size);
  if (data != nullptr && size == nullptr)
    return ERROR_INVALID_PARAMETER;
  TextBuffer<char> ansi;
  if (!ansi.Allocate(ansiSize))
    return ERROR_NOT_ENOUGH_MEMORY;
  status = RegQueryValueExA(key, name.get(), reserved, &valueType,
                            reinterpret_cast<LPBYTE>(ansi.data()), &ansiSize);
  if (status != ERROR_SUCCESS)
    return status;  // changed in between: ERROR_MORE_DATA, and the caller asks again
  const TextBuffer<wchar_t> wide = WideFromAnsi(ansi.get(), static_cast<int>(ansiSize));
  if (ansiSize > 0 && wide.size() == 0)
    return ERROR_NO_UNICODE_TRANSLATION;
  const DWORD wideSize = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
  if (size == nullptr)
    return ERROR_SUCCESS;
  const DWORD capacity = *size;
  *size = wideSize;
  if (data == nullptr)
    return ERROR_SUCCESS;
  if (capacity < wideSize)
    return ERROR_MORE_DATA;
  std::memcpy(data, wide.get(), wideSize);
  return ERROR_SUCCESS;
}

LONG WINAPI RegSetValueExAnsi(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type,
                              const BYTE* data, DWORD size) {
  const AnsiArgument name(valueName, Fidelity::Exact);
  if (name.Failed())
    return ERROR_NO_UNICODE_TRANSLATION;
  if (!IsText(type) || data == nullptr)
    return RegSetValueExA(key, name.get(), reserved, type, data, size);
  // The zeros the caller counts (the end of a string, those of a list) convert with the text.
  const AnsiArgument text(reinterpret_cast<LPCWSTR>(data), static_cast<int>(size / sizeof(wchar_t)),
                          Fidelity::Exact);
  if (text.Failed())
    return ERROR_NO_UNICODE_TRANSLATION;
  return RegSetValueExA(key, name.get(), reserved, type, reinterpret_cast<const BYTE*>(text.get()),
                        static_cast<DWORD>(text.Length()));
}

}  // namespace
}  // namespace pelk::imports

using namespace pelk::imports;

PELK_IMPORT_SLOT("ADVAPI32.DLL", RegOpenKeyExW, 20, &RegOpenKeyExAnsi, nullptr)
PELK_IMPORT_SLOT("ADVAPI32.DLL", RegCreateKeyExW, 36, &RegCreateKeyExAnsi, nullptr)
PELK_IMPORT_SLOT("ADVAPI32.DLL", RegDeleteValueW, 8, &RegDeleteValueAnsi, nullptr)
PELK_IMPORT_SLOT("ADVAPI32.DLL", RegQueryValueExW, 24, &RegQueryValueExAnsi, nullptr)
PELK_IMPORT_SLOT("ADVAPI32.DLL", RegSetValueExW, 24, &RegSetValueExAnsi, nullptr)
