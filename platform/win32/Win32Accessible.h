#pragma once
#include "platform/gui/TControl.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

// Answers WM_GETOBJECT for the client area of a control that says more of itself than its window
// does (a role, a name): with the system's own object for the window, role, name, state and
// default action answered by the control. False where the system's object serves as it is, or
// the accessibility library is missing; the window's default processing then answers.
bool AnswerGetObject(TControl& control, HWND hwnd, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace pelk
