#pragma once
#include <string>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The small window that shows a control's hint under the pointer once the pointer rests on the
// control (the system's hover notice), until it leaves or clicks. A window of the library's own,
// so showing hints needs no common-controls library and no timer; it is made on the first hint
// and belongs to the form's window. One per form, held by the form's peer.
class Win32HintWindow {
 public:
  static constexpr int kPointerClearance = 20;  // pixels between the pointer and the hint

  explicit Win32HintWindow(HWND owner) : owner_(owner) {}
  Win32HintWindow(const Win32HintWindow&) = delete;
  Win32HintWindow& operator=(const Win32HintWindow&) = delete;
  ~Win32HintWindow();

  // The procedure of its window class (Win32WindowClasses).
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // Shows the hint of the control `source` at the pointer.
  void Show(const std::string& text, const void* source);
  // The pointer left `source`: its hint goes. A late notice about a control left earlier leaves
  // the hint of the one the pointer is on alone.
  void HideFor(const void* source);
  void Hide();

  bool Showing() const;

 private:
  bool EnsureWindow();
  void Paint();

  HWND owner_;
  UniqueHwnd window_;
  UniqueFont font_;
  std::string text_;
  WideString wideText_;           // as drawn
  const void* source_ = nullptr;  // the control whose hint is shown
};

}  // namespace pelk
