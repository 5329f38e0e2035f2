// USER32's W functions that Windows 95, 98 and ME only stub (see ImportSlot.h). There the
// library's windows are ANSI windows: their classes are registered through the A function, so
// the system hands their procedures ANSI messages and default processing takes them back as
// they are. Only what the library sends or sets converts its texts.
#include "platform/win32/imports/AnsiArgument.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {
namespace {

HWND WINAPI CreateWindowExAnsi(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                               int x, int y, int width, int height, HWND parent, HMENU menu,
                               HINSTANCE instance, LPVOID parameter) {
  const AnsiArgument ansiClass(className, Fidelity::Exact);
  const AnsiArgument ansiName(windowName);
  if (ansiClass.Failed()) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  return CreateWindowExA(exStyle, ansiClass.get(), ansiName.get(), style, x, y, width, height,
                         parent, menu, instance, parameter);
}

ATOM WINAPI RegisterClassExAnsi(const WNDCLASSEXW* wide) {
  if (wide == nullptr)
    return 0;
  const AnsiArgument menu(wide->lpszMenuName, Fidelity::Exact);
  const AnsiArgument name(wide->lpszClassName, Fidelity::Exact);
  if (menu.Failed() || name.Failed()) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  const WNDCLASSEXA ansi{sizeof(WNDCLASSEXA), wide->style,     wide->lpfnWndProc, wide->cbClsExtra,
                         wide->cbWndExtra,    wide->hInstance, wide->hIcon,       wide->hCursor,
                         wide->hbrBackground, menu.get(),      name.get(),        wide->hIconSm};
  return RegisterClassExA(&ansi);
}

BOOL WINAPI UnregisterClassAnsi(LPCWSTR className, HINSTANCE instance) {
  const AnsiArgument name(className, Fidelity::Exact);
  return !name.Failed() && UnregisterClassA(name.get(), instance);
}

LRESULT WINAPI SendMessageAnsi(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case EM_REPLACESEL: {
      const AnsiArgument text(reinterpret_cast<LPCWSTR>(lParam));
      return SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(text.get()));
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<LPWSTR>(lParam);
      if (buffer == nullptr || wParam == 0)
        return 0;
      const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
      TextBuffer<char> ansi;
      if (length < 0 || !ansi.Allocate(static_cast<std::size_t>(length)))
        return 0;
      const LRESULT got = SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                       reinterpret_cast<LPARAM>(ansi.data()));
      TextBuffer<wchar_t> text = WideFromAnsi(ansi.get(), static_cast<int>(got));
      text.Shorten(wParam - 1);
      CopyToCallersBuffer(text, buffer, static_cast<UINT>(wParam));
      return static_cast<LRESULT>(text.size());
    }
    default:
      return SendMessageA(window, message, wParam, lParam);
  }
}

// The library posts and broadcasts no message that carries a text.
BOOL WINAPI PostMessageAnsi(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(window, message, wParam, lParam);
}

LRESULT WINAPI SendMessageTimeoutAnsi(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT flags, UINT timeout, PDWORD_PTR result) {
  return SendMessageTimeoutA(window, message, wParam, lParam, flags, timeout, result);
}

// Default processing takes the message as the ANSI window received it.
LRESULT WINAPI DefWindowProcAnsi(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT WINAPI CallWindowProcAnsi(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  return CallWindowProcA(procedure, window, message, wParam, lParam);
}

LONG WINAPI GetWindowLongAnsi(HWND window, int index) {
  return GetWindowLongA(window, index);
}

LONG WINAPI SetWindowLongAnsi(HWND window, int index, LONG value) {
  return SetWindowLongA(window, index, value);
}

BOOL WINAPI SetWindowTextAnsi(HWND window, LPCWSTR text) {
  const AnsiArgument ansi(text);
  return SetWindowTextA(window, ansi.get());
}

BOOL WINAPI AppendMenuAnsi(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR item) {
  if ((flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) != 0)
    return AppendMenuA(menu, flags, id, reinterpret_cast<LPCSTR>(item));
  const AnsiArgument text(item);
  return AppendMenuA(menu, flags, id, text.get());
}

int WINAPI DrawTextAnsi(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format) {
  const AnsiArgument ansi(text, length, Fidelity::Shown);
  // DT_MODIFYSTRING would write the ANSI copy, not the caller's text.
  return DrawTextA(dc, ansi.get(), ansi.Length(), rect, format & ~DT_MODIFYSTRING);
}

HCURSOR WINAPI LoadCursorAnsi(HINSTANCE instance, LPCWSTR name) {
  const AnsiArgument ansi(name, Fidelity::Exact);
  return ansi.Failed() ? nullptr : LoadCursorA(instance, ansi.get());
}

BOOL WINAPI SystemParametersInfoAnsi(UINT action, UINT parameter, PVOID data, UINT update) {
  switch (action) {
    case SPI_GETNONCLIENTMETRICS: {
      auto* wide = static_cast<NONCLIENTMETRICSW*>(data);
      NONCLIENTMETRICSA ansi{};
      ansi.cbSize = sizeof ansi;
      if (wide == nullptr || wide->cbSize < sizeof(NONCLIENTMETRICSW) ||
          !SystemParametersInfoA(action, sizeof ansi, &ansi, update))
        return FALSE;
      wide->iBorderWidth = ansi.iBorderWidth;
      wide->iScrollWidth = ansi.iScrollWidth;
      wide->iScrollHeight = ansi.iScrollHeight;
      wide->iCaptionWidth = ansi.iCaptionWidth;
      wide->iCaptionHeight = ansi.iCaptionHeight;
      wide->lfCaptionFont = WideFont(ansi.lfCaptionFont);
      wide->iSmCaptionWidth = ansi.iSmCaptionWidth;
      wide->iSmCaptionHeight = ansi.iSmCaptionHeight;
      wide->lfSmCaptionFont = WideFont(ansi.lfSmCaptionFont);
      wide->iMenuWidth = ansi.iMenuWidth;
      wide->iMenuHeight = ansi.iMenuHeight;
      wide->lfMenuFont = WideFont(ansi.lfMenuFont);
      wide->lfStatusFont = WideFont(ansi.lfStatusFont);
      wide->lfMessageFont = WideFont(ansi.lfMessageFont);
      return TRUE;
    }
    case SPI_GETICONTITLELOGFONT: {
      LOGFONTA ansi{};
      if (data == nullptr || !SystemParametersInfoA(action, sizeof ansi, &ansi, update))
        return FALSE;
      *static_cast<LOGFONTW*>(data) = WideFont(ansi);
      return TRUE;
    }
    default:
      // The other settings the library asks for (the work area, ...) carry no text.
      return SystemParametersInfoA(action, parameter, data, update);
  }
}

}  // namespace
}  // namespace pelk::imports

using namespace pelk::imports;

PELK_IMPORT_SLOT("USER32.DLL", CreateWindowExW, 48, &CreateWindowExAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", RegisterClassExW, 4, &RegisterClassExAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", UnregisterClassW, 8, &UnregisterClassAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", SendMessageW, 16, &SendMessageAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", PostMessageW, 16, &PostMessageAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", SendMessageTimeoutW, 28, &SendMessageTimeoutAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", DefWindowProcW, 16, &DefWindowProcAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", CallWindowProcW, 20, &CallWindowProcAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", GetWindowLongW, 8, &GetWindowLongAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", SetWindowLongW, 12, &SetWindowLongAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", SetWindowTextW, 8, &SetWindowTextAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", AppendMenuW, 16, &AppendMenuAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", DrawTextW, 20, &DrawTextAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", LoadCursorW, 8, &LoadCursorAnsi, nullptr)
PELK_IMPORT_SLOT("USER32.DLL", SystemParametersInfoW, 16, &SystemParametersInfoAnsi, nullptr)
