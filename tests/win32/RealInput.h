#pragma once
#include "platform/win32/WindowsApi.h"

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

// Presses and releases a key (a virtual-key code such as VK_F12) for the focused window.
bool PressKey(WORD virtualKey);

// True when the top-level window at the screen point `client` of `window` is `window` itself.
bool WindowIsAt(HWND window, POINT client);

}  // namespace pelk
