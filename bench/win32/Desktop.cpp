#include "bench/win32/Desktop.h"

namespace pelk::bench {

void PumpUntilIdle() {
  MSG message;
  // Once the queue holds nothing else, PeekMessage hands out WM_PAINT for every window with an
  // update region, so an empty queue means the shown windows have painted.
  for (int guard = 0; guard < 100000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++guard) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  GdiFlush();
}

namespace {

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
  if (IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

BOOL CALLBACK FindPendingPaint(HWND window, LPARAM pending) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(pending) = true;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleThreadWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool HasPendingPaint(HWND window) {
  bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!pending)
    EnumChildWindows(window, FindPendingPaint, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

int ChildCount(HWND window) {
  int count = 0;
  EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace pelk::bench
