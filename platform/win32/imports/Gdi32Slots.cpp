// GDI32's W functions that Windows 95, 98 and ME only stub (see ImportSlot.h).
#include "platform/win32/imports/AnsiArgument.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {
namespace {

HFONT WINAPI CreateFontIndirectAnsi(const LOGFONTW* font) {
  if (font == nullptr)
    return nullptr;
  const LOGFONTA ansi = AnsiFont(*font);
  return CreateFontIndirectA(&ansi);
}

HFONT WINAPI CreateFontAnsi(int height, int width, int escapement, int orientation, int weight,
                            DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                            DWORD precision, DWORD clipPrecision, DWORD quality, DWORD pitch,
                            LPCWSTR face) {
  const AnsiArgument ansiFace(face);
  return CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                     charSet, precision, clipPrecision, quality, pitch, ansiFace.get());
}

}  // namespace
}  // namespace pelk::imports

using namespace pelk::imports;

PELK_IMPORT_SLOT("GDI32.DLL", CreateFontIndirectW, 4, &CreateFontIndirectAnsi, nullptr)
PELK_IMPORT_SLOT("GDI32.DLL", CreateFontW, 56, &CreateFontAnsi, nullptr)
