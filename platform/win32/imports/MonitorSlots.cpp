// The monitor functions came with Windows 98 and 2000; GetMonitorInfoW is a stub on 98 and ME
// (see ImportSlot.h). Where they are missing there is one monitor: the screen, whose work area the
// system gives through SystemParametersInfo.
#include "platform/win32/imports/AnsiArgument.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {
namespace {

// Stands for the one monitor where the system has no monitor handles.
const HMONITOR kTheScreen = reinterpret_cast<HMONITOR>(static_cast<INT_PTR>(0x12340042));

HMONITOR WINAPI TheScreenAt(POINT, DWORD) {
  return kTheScreen;
}

BOOL WINAPI TheScreensInfo(HMONITOR, LPMONITORINFO info) {
  if (info == nullptr || info->cbSize < sizeof(MONITORINFO))
    return FALSE;
  info->rcMonitor = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &info->rcWork, 0))
    info->rcWork = info->rcMonitor;
  info->dwFlags = MONITORINFOF_PRIMARY;
  if (info->cbSize >= sizeof(MONITORINFOEXW))
    lstrcpynW(reinterpret_cast<MONITORINFOEXW*>(info)->szDevice, L"DISPLAY", CCHDEVICENAME);
  return TRUE;
}

// Windows 98 and ME: the A function, where the system has it and the handle is one of its own.
BOOL WINAPI GetMonitorInfoAnsi(HMONITOR monitor, LPMONITORINFO info) {
  using Query = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
  static const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      SystemGetProcAddress(GetModuleHandleA("USER32.DLL"), "GetMonitorInfoA")));
  if (query == nullptr || monitor == kTheScreen || info == nullptr ||
      info->cbSize < sizeof(MONITORINFO))
    return TheScreensInfo(monitor, info);
  if (info->cbSize < sizeof(MONITORINFOEXW))
    return query(monitor, info);
  MONITORINFOEXA ansi{};
  ansi.cbSize = sizeof ansi;
  if (!query(monitor, &ansi))
    return FALSE;
  auto* wide = reinterpret_cast<MONITORINFOEXW*>(info);
  wide->rcMonitor = ansi.rcMonitor;
  wide->rcWork = ansi.rcWork;
  wide->dwFlags = ansi.dwFlags;
  TextBuffer<wchar_t> device = WideFromAnsi(ansi.szDevice, lstrlenA(ansi.szDevice));
  device.Shorten(CCHDEVICENAME - 1);
  CopyToCallersBuffer(device, wide->szDevice, CCHDEVICENAME);
  return TRUE;
}

}  // namespace
}  // namespace pelk::imports

using namespace pelk::imports;

PELK_IMPORT_SLOT("USER32.DLL", MonitorFromPoint, 12, nullptr, &TheScreenAt)
PELK_IMPORT_SLOT("USER32.DLL", GetMonitorInfoW, 8, &GetMonitorInfoAnsi, &TheScreensInfo)
