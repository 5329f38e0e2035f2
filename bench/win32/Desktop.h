#pragma once
#include <windows.h>

#include <vector>

namespace pelk::bench {

// Dispatches every queued message, paints included, until the thread's queue is empty.
void PumpUntilIdle();

// The visible top-level windows of the calling thread.
[[nodiscard]] std::vector<HWND> VisibleThreadWindows();

// True when the window or one of its children still waits for WM_PAINT.
[[nodiscard]] bool HasPendingPaint(HWND window);

// Number of child windows (all levels).
[[nodiscard]] int ChildCount(HWND window);

}  // namespace pelk::bench
