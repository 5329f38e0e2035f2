#include "bench/win32/ProcessCounters.h"

#include <windows.h>

#include <psapi.h>

namespace pelk::bench {

namespace {

// Some systems (Wine among them) implement GetGuiResources as a stub that answers 0 with
// ERROR_CALL_NOT_IMPLEMENTED. Their handle tables accept a handle's 16-bit index alone, so the
// live objects can be counted by asking every index what it is. GDI indexes start at 0x20; USER
// handles sit on even values from 0x20 on.
constexpr unsigned kFirstHandle = 0x20;
constexpr unsigned kLastHandle = 0xFFFF;

std::int64_t ScanGdiObjects() {
  std::int64_t count = 0;
  for (unsigned index = kFirstHandle; index <= kLastHandle; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index))) != 0)
      ++count;
  }
  return count;
}

std::int64_t ScanUserObjects() {
  const DWORD self = GetCurrentProcessId();
  std::int64_t count = 0;
  for (unsigned index = kFirstHandle; index <= kLastHandle; index += 2) {
    const auto value = static_cast<ULONG_PTR>(index);
    const HWND window = reinterpret_cast<HWND>(value);
    if (IsWindow(window)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == self)
        ++count;
      continue;
    }
    if (IsMenu(reinterpret_cast<HMENU>(value))) {
      ++count;
      continue;
    }
    ICONINFO info;
    if (GetIconInfo(reinterpret_cast<HICON>(value), &info)) {
      // GetIconInfo hands out copies of the icon's bitmaps; the GDI count was taken before.
      if (info.hbmColor)
        DeleteObject(info.hbmColor);
      if (info.hbmMask)
        DeleteObject(info.hbmMask);
      ++count;
    }
  }
  return count;
}

}  // namespace

ProcessCounters SampleProcessCounters() {
  ProcessCounters counters;
  const HANDLE process = GetCurrentProcess();

  SetLastError(ERROR_SUCCESS);
  const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
  const DWORD gdiError = GetLastError();
  SetLastError(ERROR_SUCCESS);
  const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
  const DWORD userError = GetLastError();
  if (gdi == 0 && user == 0 && (gdiError != ERROR_SUCCESS || userError != ERROR_SUCCESS)) {
    counters.GdiObjects = ScanGdiObjects();
    counters.UserObjects = ScanUserObjects();
    counters.HandleSource = "handle-table scan (GetGuiResources not implemented here)";
  } else {
    counters.GdiObjects = gdi;
    counters.UserObjects = user;
    counters.HandleSource = "GetGuiResources";
  }

  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    // PrivateUsage is the private-bytes counter; where it reads 0 (Wine), PagefileUsage holds
    // the same commit charge, as it does on older Windows.
    if (memory.PrivateUsage != 0) {
      counters.PrivateBytes = static_cast<std::int64_t>(memory.PrivateUsage);
      counters.MemorySource = "PrivateUsage";
    } else if (memory.PagefileUsage != 0) {
      counters.PrivateBytes = static_cast<std::int64_t>(memory.PagefileUsage);
      counters.MemorySource = "PagefileUsage (PrivateUsage reads 0 here)";
    }
  }
  return counters;
}

}  // namespace pelk::bench
