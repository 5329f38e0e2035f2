#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>

namespace pelk {

// Real input as a user gives it: the system's pointer and keyboard, through SendInput. Points
// are in the client coordinates of the given window. Each returns false when the point is not
// on that window (covered, or outside) or the input was not accepted.

// Moves the pointer there, waits until the window under it is `window` or one of its children,
// and presses and releases the left button. Pumps this thread's messages until the click has
// been delivered.
bool ClickAt(HWND window, POINT client);

// Moves the pointer onto the point (the window sees the mouse enter and move).
bool MovePointerTo(HWND window, POINT client);

// Moves the pointer to the screen's top left corner, off any test window.
void MovePointerAway();

// Moves the pointer there and presses and releases the right, or the middle, button.
bool RightClickAt(HWND window, POINT client);
bool MiddleClickAt(HWND window, POINT client);

// Presses and releases a key (a virtual-key code such as VK_F12) for the focused window, with
// a modifier key (VK_MENU, VK_SHIFT, VK_CONTROL) held down if one is given.
bool PressKey(WORD virtualKey, WORD modifier = 0);

// From a helper thread: waits for a pop-up menu to open, reads its first entry, then picks that
// entry with the keyboard as a user would.
class MenuPicker {
 public:
  MenuPicker();
  ~MenuPicker();
  MenuPicker(const MenuPicker&) = delete;
  MenuPicker& operator=(const MenuPicker&) = delete;

  // Waits for the helper (it gives up after about four seconds without a menu).
  void Join();
  bool Seen() const { return seen_; }
  // The first entry's text, shortcut included ("Fenster wechseln\tF12").
  const std::string& Entry() const { return entry_; }

  void Work();  // the helper's

 private:
  HANDLE thread_ = nullptr;
  bool seen_ = false;
  std::string entry_;
};

// True when the top-level window at the screen point `client` of `window` is `window` itself.
bool WindowIsAt(HWND window, POINT client);

}  // namespace pelk
